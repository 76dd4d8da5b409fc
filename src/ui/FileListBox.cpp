#include "ui/FileListBox.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

#include "sys/DataPath.h"

namespace ui {
namespace {

std::string lowered(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

FileListBox::FileListBox(Control* parent, std::string name) : ListBox(parent, std::move(name)) {
  ItemHeight = 16;
}

void FileListBox::setDirectory(const std::string& directory) {
  std::string d = directory;
  while (d.size() > 1 && (d.back() == '\\' || d.back() == '/')) d.pop_back();
  directory_ = d;
  Update();
}

void FileListBox::setMask(const std::string& mask) {
  mask_ = mask.empty() ? "*.*" : mask;
  Update();
}

bool FileListBox::matches(const std::string& name) const {
  std::istringstream patterns(mask_);
  std::string pattern;
  while (std::getline(patterns, pattern, ';')) {
    // "*.*" means every file, with or without an extension, as it always did.
    if (pattern == "*.*" || sys::wildcardMatch(pattern, name)) return true;
  }
  return false;
}

void FileListBox::Update() {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  const std::string path = sys::resolvePath(directory_.empty() ? sys::currentDirectory() : directory_);
  std::error_code ec;
  for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code typeError;
    if (name.empty() || name[0] == '.' || !it->is_regular_file(typeError) || typeError) continue;
    if (matches(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = lowered(a), lb = lowered(b);
    return la != lb ? la < lb : a < b;
  });
  Items.assign(std::move(names));
  setItemIndex(-1);
  setTopIndex(0);
}

std::string FileListBox::FileName() const {
  if (ItemIndex() < 0) return {};
  const std::string dir = directory_.empty() ? sys::currentDirectory() : directory_;
  return dir + "\\" + Items.get(ItemIndex());
}

}  // namespace ui
