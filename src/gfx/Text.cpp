#include "gfx/Text.h"

#include <SDL_ttf.h>

#include <cstdio>
#include <map>
#include <tuple>
#include <vector>

#include "gfx/Blend.h"

namespace gfx::text {
namespace {

struct FontKey {
  std::string file;
  int height;
  bool operator<(const FontKey& o) const { return std::tie(file, height) < std::tie(o.file, o.height); }
};

struct LineKey {
  FontKey font;
  TColor color;
  std::string text;
  bool operator<(const LineKey& o) const {
    return std::tie(font, color, text) < std::tie(o.font, o.color, o.text);
  }
};

class FontCache {
 public:
  ~FontCache() {
    for (auto& [key, font] : fonts_)
      if (font) TTF_CloseFont(font);
    if (initialised_) TTF_Quit();
  }

  TTF_Font* get(const Font& f) {
    if (!initialised_) {
      if (TTF_Init() != 0) {
        reportOnce(std::string("text: SDL_ttf cannot start: ") + TTF_GetError());
        return nullptr;
      }
      initialised_ = true;
    }
    FontKey key{fontFileFor(f.Name, f.Bold), f.Height < 1 ? 1 : f.Height};
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    TTF_Font* font = TTF_OpenFont(key.file.c_str(), key.height);
    if (!font) reportOnce("text: cannot open font " + key.file + ": " + TTF_GetError());
    fonts_[key] = font;
    return font;
  }

  const Bitmap* line(const Font& f, const std::string& text) {
    TTF_Font* font = get(f);
    if (!font || text.empty()) return nullptr;
    LineKey key{{fontFileFor(f.Name, f.Bold), f.Height}, f.Color, text};
    auto it = lines_.find(key);
    if (it != lines_.end()) return &it->second;
    if (lines_.size() > 1024) lines_.clear();  // captions change rarely; a full reset is enough
    const SDL_Color c{static_cast<Uint8>(redOf(f.Color)), static_cast<Uint8>(greenOf(f.Color)),
                      static_cast<Uint8>(blueOf(f.Color)), 255};
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, text.c_str(), c);
    if (!rendered) return nullptr;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!argb) return nullptr;
    Bitmap bmp(argb->w, argb->h, 0);
    for (int y = 0; y < argb->h; ++y) {
      const auto* src = reinterpret_cast<const Pixel*>(static_cast<const uint8_t*>(argb->pixels) +
                                                       static_cast<size_t>(y) * argb->pitch);
      std::copy_n(src, argb->w, bmp.row(y));
    }
    SDL_FreeSurface(argb);
    return &(lines_[key] = std::move(bmp));
  }

 private:
  void reportOnce(const std::string& message) {
    if (reported_) return;
    reported_ = true;
    std::fprintf(stderr, "%s\n", message.c_str());
  }

  bool initialised_ = false;
  bool reported_ = false;
  std::map<FontKey, TTF_Font*> fonts_;
  std::map<LineKey, Bitmap> lines_;
};

FontCache& cache() {
  static FontCache instance;
  return instance;
}

}  // namespace

TextSize measure(const std::string& utf8, const Font& font) {
  TTF_Font* f = cache().get(font);
  if (!f) return {};
  int w = 0, h = 0;
  if (utf8.empty()) return {0, TTF_FontHeight(f)};
  TTF_SizeUTF8(f, utf8.c_str(), &w, &h);
  return {w, h};
}

int lineHeight(const Font& font) {
  TTF_Font* f = cache().get(font);
  return f ? TTF_FontHeight(f) : font.Height;
}

void draw(Bitmap& target, int x, int y, const std::string& utf8, const Font& font, const Rect& clip) {
  if (const Bitmap* line = cache().line(font, utf8)) blendOnto(target, x, y, *line, clip);
}

namespace {

std::vector<std::string> split(const std::string& text, char at) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == at)
      parts.emplace_back();
    else if (c != '\r')
      parts.back() += c;
  }
  return parts;
}

// A word of one character once quotes and punctuation are set aside: a sign
// of a formula, a variable, a digit.
bool lone(const std::string& word) {
  static const std::string kAside = "\"'.,;:!?()";
  size_t first = word.find_first_not_of(kAside), last = word.find_last_not_of(kAside);
  if (first == std::string::npos) return false;
  const std::string core = word.substr(first, last - first + 1);
  size_t at = 0;
  int characters = 0;
  while (at < core.size()) {
    const unsigned char c = static_cast<unsigned char>(core[at]);
    at += c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    ++characters;
  }
  return characters == 1;
}

// Greedy filling of lines with pieces joined by blanks; a piece wider than
// the width gets a line of its own.
void fill(const std::vector<std::string>& pieces, const Font& font, int width,
          std::vector<std::string>& lines) {
  std::string current;
  for (const std::string& piece : pieces) {
    const std::string candidate = current.empty() ? piece : current + " " + piece;
    if (!current.empty() && measure(candidate, font).width > width) {
      lines.push_back(current);
      current = piece;
    } else {
      current = candidate;
    }
  }
  lines.push_back(current);
}

void wrapParagraph(const std::string& paragraph, const Font& font, int width,
                   std::vector<std::string>& lines) {
  std::vector<std::string> words;
  for (std::string& w : split(paragraph, ' '))
    if (!w.empty()) words.push_back(std::move(w));
  if (words.empty()) {
    lines.emplace_back();
    return;
  }
  // Words that must stay together form one piece.
  std::vector<std::vector<std::string>> pieces{{words.front()}};
  for (size_t i = 1; i < words.size(); ++i) {
    if (lone(words[i - 1]) || lone(words[i]))
      pieces.back().push_back(words[i]);
    else
      pieces.push_back({words[i]});
  }
  std::vector<std::string> joined;
  for (const auto& piece : pieces) {
    std::string text;
    for (const std::string& w : piece) text += (text.empty() ? "" : " ") + w;
    if (piece.size() > 1 && measure(text, font).width > width) {
      // Too wide even for a line of its own: it breaks after all.
      if (!joined.empty()) fill(joined, font, width, lines);
      joined.clear();
      fill(piece, font, width, lines);
      continue;
    }
    joined.push_back(text);
  }
  if (!joined.empty()) fill(joined, font, width, lines);
}

bool fits(const std::string& text, const Font& font, int width, int height, bool wrap) {
  const std::vector<std::string> lines = wrap ? wrapLines(text, font, width) : std::vector<std::string>{text};
  if (static_cast<int>(lines.size()) * lineHeight(font) > height) return false;
  for (const std::string& line : lines)
    if (measure(line, font).width > width) return false;
  return true;
}

}  // namespace

std::vector<std::string> wrapLines(const std::string& utf8, const Font& font, int width) {
  std::vector<std::string> paragraphs = split(utf8, '\n');
  // A line feed at the very end starts no line of its own.
  if (paragraphs.size() > 1 && paragraphs.back().empty()) paragraphs.pop_back();
  std::vector<std::string> lines;
  for (const std::string& paragraph : paragraphs) wrapParagraph(paragraph, font, width, lines);
  return lines;
}

Font fitting(const std::string& utf8, const Font& font, int width, int height, bool wrap, int minHeight) {
  Font f = font;
  while (f.Height > minHeight && !fits(utf8, f, width, height, wrap)) --f.Height;
  return f;
}

std::string elide(const std::string& utf8, const Font& font, int width) {
  if (measure(utf8, font).width <= width) return utf8;
  std::string text = utf8;
  while (!text.empty()) {
    // Drop the last UTF-8 character.
    size_t cut = text.size() - 1;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text.erase(cut);
    if (measure(text + "…", font).width <= width) return text + "…";
  }
  return "";
}

void drawBox(Bitmap& target, const Rect& box, const std::string& utf8, const Font& font, Align align,
             bool wrap, const Rect& clip) {
  const std::vector<std::string> lines =
      wrap ? wrapLines(utf8, font, box.width()) : std::vector<std::string>{utf8};
  const Rect area = box.intersect(clip);
  int y = box.top;
  const int step = lineHeight(font);
  for (const auto& line : lines) {
    const int w = measure(line, font).width;
    const int x = align == Align::Left    ? box.left
                  : align == Align::Right ? addSat(box.right, -w)
                                          : addSat(box.left, (int64_t{box.width()} - w) / 2);
    draw(target, x, y, line, font, area);
    y = addSat(y, step);
  }
}

}  // namespace gfx::text
