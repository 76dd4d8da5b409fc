#pragma once
#include <string>

#include "ui/ListBox.h"

namespace ui {

// A list box of the files in one directory whose names match a mask, sorted
// without regard to case. The directory is a game path (backslashes and
// names in any case are fine); hidden files and subdirectories are left out.
// Pointing it at another directory or mask reads the directory again.
class FileListBox : public ListBox {
 public:
  FileListBox(Control* parent, std::string name);

  // Without a trailing separator; "" means the current directory.
  const std::string& Directory() const { return directory_; }
  void setDirectory(const std::string& directory);
  // One or more patterns with * and ?, separated by ";" ("*.kvt").
  const std::string& Mask() const { return mask_; }
  void setMask(const std::string& mask);
  // Reads the directory again; nothing stays selected.
  void Update();
  // The selected file as Directory + "\" + its name; "" with none selected.
  std::string FileName() const;

 private:
  bool matches(const std::string& name) const;

  std::string directory_;
  std::string mask_ = "*.*";
};

}  // namespace ui
