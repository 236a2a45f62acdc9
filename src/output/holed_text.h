// A text the three cleaned files share, with a hole in each of its reaction
// lines where each file writes its own Ea, and the pieces of one file's text
// made from it.
//
// HoledText holds whole lines, each ending with CR LF; a line added with a
// hole is written up to the hole, and the rest of it after the Ea. Pieces
// hands the text of one file from the reaction line of hole `from` (the
// start of the text for 0) to the one of hole `to` (the end of the text for
// holes()) to `take`, the Ea of hole h being `ea_of(h)`, in pieces of some
// 64 KiB cut before reaction lines, as a layout pass takes them.
//
// EaTriples holds the three Ea texts (one per file) of each hole of a run
// of holes, printed once, one after another. Nothing here throws but for
// want of memory.
#ifndef KESTRELON_OUTPUT_HOLED_TEXT_H_
#define KESTRELON_OUTPUT_HOLED_TEXT_H_

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

class HoledText {
 public:
  // Room asked for and never written takes no memory.
  void Reserve(size_t bytes, size_t holes) {
    text_.reserve(bytes);
    holes_.reserve(holes);
  }

  // The text, for lines to be appended to it in place.
  std::string& text() { return text_; }
  const std::string& text() const { return text_; }

  // Ends the line written last, which started at `line_start`, with a
  // hole: the Ea goes where the text ends now.
  void AddHole(size_t line_start) {
    holes_.push_back({static_cast<uint32_t>(line_start),
                      static_cast<uint32_t>(text_.size())});
  }

  size_t holes() const { return holes_.size(); }
  // The bytes from the reaction line of hole `h` on.
  size_t BytesFrom(size_t h) const { return text_.size() - holes_[h].start; }
  bool empty() const { return text_.empty(); }
  void clear() {
    text_.clear();
    holes_.clear();
  }

  template <typename EaOf>
  void Pieces(size_t from, size_t to, EaOf&& ea_of,
              const std::function<void(std::string_view)>& take) const {
    constexpr size_t kPiece = 64 * 1024;
    std::string piece;
    piece.reserve(kPiece + 4096);
    size_t at = from == 0 ? 0 : holes_[from].start;
    const size_t end = to == holes_.size() ? text_.size() : holes_[to].start;
    for (size_t h = from; h < to; ++h) {
      const Hole& hole = holes_[h];
      if (piece.size() + (hole.start - at) >= kPiece) {
        piece.append(text_, at, hole.start - at);
        at = hole.start;
        take(piece);
        piece.clear();
      }
      piece.append(text_, at, hole.at - at);
      piece.append(ea_of(h));
      at = hole.at;
    }
    piece.append(text_, at, end - at);
    take(piece);
  }

 private:
  struct Hole {
    uint32_t start;  // of the reaction line, in text_
    uint32_t at;     // where the Ea goes, in text_
  };

  std::string text_;
  std::vector<Hole> holes_;
};

// About the bytes of a printed Ea, for the room of texts that hold them.
inline constexpr size_t kPrintedEaBytes = 16;

class EaTriples {
 public:
  // Room for `count` more triples; room never written takes no memory.
  void Reserve(size_t count) {
    text_.reserve(text_.size() + 3 * kPrintedEaBytes * count);
    triples_.reserve(triples_.size() + count);
  }

  // The next triple: `texts` holds three.
  void Add(std::span<const std::string_view> texts) {
    Triple t{static_cast<uint32_t>(text_.size()), {}};
    for (size_t k = 0; k < 3; ++k) {
      text_.append(texts[k]);
      t.size[k] = static_cast<uint16_t>(texts[k].size());
    }
    triples_.push_back(t);
  }

  // Text `k` (0 to 2) of triple `i`.
  std::string_view Get(size_t i, size_t k) const {
    const Triple& t = triples_[i];
    size_t from = t.from;
    for (size_t before = 0; before < k; ++before) from += t.size[before];
    return std::string_view(text_).substr(from, t.size[k]);
  }

  // The bytes of all the texts.
  size_t bytes() const { return text_.size(); }
  void clear() {
    text_.clear();
    triples_.clear();
  }

 private:
  struct Triple {
    uint32_t from;  // in text_
    uint16_t size[3];
  };

  std::string text_;
  std::vector<Triple> triples_;
};

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_HOLED_TEXT_H_
