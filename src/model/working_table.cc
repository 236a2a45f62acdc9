#include "model/working_table.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "model/run_error.h"
#include "platform/process_memory.h"

namespace kestrelon {

void WorkingTable::ThrowOutside(int row, int column) const {
  throw RunError("working table has no cell at row " + std::to_string(row) +
                 ", column " + std::to_string(column) + " (it holds at most " +
                 std::to_string(limit_ - 1) + " lines)");
}

void WorkingTable::SetCopies(int row, int first_column,
                             std::span<const std::string_view> texts) {
  std::vector<std::string> copies(texts.begin(), texts.end());
  std::vector<std::string_view> views(copies.begin(), copies.end());
  SetRange(row, first_column, views);
}

namespace {

// A row's block: four bytes before the texts hold its capacity, or, with
// kPooled set, its place in the pool stretch it was cut from. A stretch
// begins with the count of its live blocks (and one for the pool while it
// cuts from it) and, for a stretch of memory handed over
// (DonateRowMemory), what it was cut from.
constexpr uint32_t kPooled = 0x80000000u;
constexpr size_t kStretchBytes = 256 * 1024;
// Larger rows are rare; cut from a stretch, they would waste its end.
constexpr size_t kLargestPooled = 4096;

// Memory handed over, let go once no stretch cut from it is live.
struct Donation {
  std::string text;
  std::atomic<size_t> live{0};
};

struct StretchHeader {
  std::atomic<uint32_t> live;
  Donation* donation;  // null: asked of the system
};
constexpr size_t kStretchHeader = sizeof(StretchHeader);

uint32_t HeaderOf(const char* data) {
  uint32_t h;
  std::memcpy(&h, data - sizeof h, sizeof h);
  return h;
}

StretchHeader& HeaderOfStretch(char* stretch) {
  return *reinterpret_cast<StretchHeader*>(stretch);
}

void Unref(char* stretch) {
  StretchHeader& header = HeaderOfStretch(stretch);
  if (header.live.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
  Donation* donation = header.donation;
  header.~StretchHeader();
  if (donation == nullptr) return std::free(stretch);
  if (donation->live.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    delete donation;
  }
}

char* AllocateBlock(size_t capacity) {
  if (capacity >= kPooled) throw std::bad_alloc();
  char* raw = static_cast<char*>(std::malloc(capacity + sizeof(uint32_t)));
  if (raw == nullptr) throw std::bad_alloc();
  const uint32_t c = static_cast<uint32_t>(capacity);
  std::memcpy(raw, &c, sizeof c);
  return raw + sizeof c;
}

// 0 for a pooled block: any growth moves it to a block of its own.
size_t CapacityOf(const char* data) {
  if (data == nullptr) return 0;
  const uint32_t h = HeaderOf(data);
  return (h & kPooled) != 0 ? 0 : h;
}

void FreeBlock(char* data) {
  if (data == nullptr) return;
  const uint32_t h = HeaderOf(data);
  if ((h & kPooled) == 0) return std::free(data - sizeof(uint32_t));
  Unref(data - sizeof(uint32_t) - (h & ~kPooled));
}

// The block with room for `capacity` bytes, its first `used` bytes kept (a
// pooled block moves whole, with room for both).
char* ResizeBlock(char* data, size_t used, size_t capacity) {
  if (capacity >= kPooled) throw std::bad_alloc();
  if (data != nullptr && (HeaderOf(data) & kPooled) != 0) {
    char* moved = AllocateBlock(std::max(used, capacity));
    if (used > 0) std::memcpy(moved, data, used);
    FreeBlock(data);
    return moved;
  }
  char* old = data == nullptr ? nullptr : data - sizeof(uint32_t);
  char* raw =
      static_cast<char*>(std::realloc(old, capacity + sizeof(uint32_t)));
  if (raw == nullptr) throw std::bad_alloc();
  const uint32_t c = static_cast<uint32_t>(capacity);
  std::memcpy(raw, &c, sizeof c);
  return raw + sizeof c;
}

}  // namespace

std::string_view WorkingTable::WideCell(const Row& r, int column) {
  uint32_t sizes[kColumns];
  ReadSizes(r, sizes);
  size_t at = kWideHeader;
  for (int c = 1; c < column; ++c) at += sizes[c];
  return std::string_view(r.data + at, sizes[column]);
}

bool WorkingTable::ReadSizes(const Row& r, uint32_t* sizes) {
  sizes[0] = 0;
  if (r.size[0] != kWide) {
    for (int c = 1; c < kColumns; ++c) sizes[c] = r.size[c - 1];
    return false;
  }
  std::memcpy(sizes + 1, r.data, kWideHeader);
  return true;
}

size_t WorkingTable::UsedBytes(const Row& r) {
  uint32_t sizes[kColumns];
  size_t used = ReadSizes(r, sizes) ? kWideHeader : 0;
  for (int c = 1; c < kColumns; ++c) used += sizes[c];
  return used;
}

void WorkingTable::SetNarrow(Row& r, size_t capacity, int first_column,
                             std::span<const std::string_view> texts) {
  const int end_column = first_column + static_cast<int>(texts.size());
  size_t before = 0;
  size_t old_size = 0;
  size_t after = 0;
  for (int c = 1; c < kColumns; ++c) {
    const size_t s = r.size[c - 1];
    if (c < first_column) {
      before += s;
    } else if (c < end_column) {
      old_size += s;
    } else {
      after += s;
    }
  }
  size_t size = 0;
  for (std::string_view t : texts) size += t.size();
  const size_t total = before + size + after;
  if (total > capacity) {
    // The block often grows where it stands; room to spare would cost more
    // memory than the moves it saves.
    r.data = ResizeBlock(r.data, before + old_size + after, total);
  }
  char* at = r.data + before;
  if (after > 0 && size != old_size) {
    std::memmove(at + size, at + old_size, after);
  }
  for (std::string_view t : texts) {
    if (!t.empty()) std::memcpy(at, t.data(), t.size());
    at += t.size();
  }
  for (int c = first_column; c < end_column; ++c) {
    if (c > 0) {
      r.size[c - 1] = static_cast<uint16_t>(
          texts[static_cast<size_t>(c - first_column)].size());
    }
  }
}

void WorkingTable::SetRange(int row, int first_column,
                            std::span<const std::string_view> texts) {
  const int end_column = first_column + static_cast<int>(texts.size());
  if (texts.empty()) return;
  if (Outside(row, first_column) || end_column > kColumns ||
      (first_column == 0 && !texts[0].empty())) {
    ThrowOutside(row, first_column == 0 ? 0 : end_column - 1);
  }
  size_t size = 0;
  for (std::string_view t : texts) size += t.size();
  if (row >= rows_in_use()) {
    if (size == 0) return;  // an unwritten cell is empty already
    Grow(row + 1);
  }
  if (Lent(row)) OwnLentRow(row);
  Row& r = rows_[static_cast<size_t>(row)];
  const size_t capacity = CapacityOf(r.data);
  // A text may be a view into this very row, which the move below shifts
  // (a pooled row has no room to spare, but its texts move all the same):
  // such texts are copied first.
  const size_t span = std::max(capacity, UsedBytes(r));
  for (std::string_view t : texts) {
    if (!t.empty() && t.data() >= r.data && t.data() < r.data + span) {
      return SetCopies(row, first_column, texts);
    }
  }
  if (r.size[0] != kWide && size < kWide) {
    return SetNarrow(r, capacity, first_column, texts);
  }
  uint32_t sizes[kColumns];
  const bool was_wide = ReadSizes(r, sizes);
  size_t before = 0;
  size_t old_size = 0;
  size_t after = 0;
  for (int c = 1; c < kColumns; ++c) {
    if (c < first_column) {
      before += sizes[c];
    } else if (c < end_column) {
      old_size += sizes[c];
    } else {
      after += sizes[c];
    }
  }
  bool wide = false;
  for (int c = 1; c < kColumns; ++c) {
    if (c >= first_column && c < end_column) {
      if (texts[static_cast<size_t>(c - first_column)].size() > UINT32_MAX) {
        throw std::bad_alloc();
      }
      sizes[c] = static_cast<uint32_t>(
          texts[static_cast<size_t>(c - first_column)].size());
    }
    wide = wide || sizes[c] >= kWide;
  }
  const size_t old_header = was_wide ? kWideHeader : 0;
  const size_t header = wide ? kWideHeader : 0;
  const size_t total = header + before + size + after;
  char* data = r.data;
  if (total > capacity || header != old_header) {
    // Rows gain their columns one pass after another; a little room
    // spares some of the moves.
    data = AllocateBlock(total + 16);
    if (before > 0) std::memcpy(data + header, r.data + old_header, before);
    if (after > 0) {
      std::memcpy(data + header + before + size,
                  r.data + old_header + before + old_size, after);
    }
  } else if (after > 0 && size != old_size) {
    std::memmove(data + header + before + size,
                 data + header + before + old_size, after);
  }
  char* to = data + header + before;
  for (std::string_view t : texts) {
    if (!t.empty()) std::memcpy(to, t.data(), t.size());
    to += t.size();
  }
  if (data != r.data) {
    FreeBlock(r.data);
    r.data = data;
  }
  if (wide) {
    std::memcpy(r.data, sizes + 1, kWideHeader);
    r.size[0] = kWide;
  } else {
    for (int c = 1; c < kColumns; ++c) {
      r.size[c - 1] = static_cast<uint16_t>(sizes[c]);
    }
  }
}

void WorkingTable::DonateRowMemory(std::string text) {
  const size_t room = text.capacity();
  if (room < 2 * kStretchBytes) return;
  auto* donation = new Donation{std::move(text)};
  // Stretches begin where a StretchHeader may stand.
  char* at = donation->text.data();
  at += (alignof(StretchHeader) -
         reinterpret_cast<uintptr_t>(at) % alignof(StretchHeader)) %
        alignof(StretchHeader);
  char* const end = donation->text.data() + room;
  std::vector<char*> stretches;
  for (; end - at >= static_cast<std::ptrdiff_t>(kStretchBytes);
       at += kStretchBytes) {
    new (at) StretchHeader{{1}, donation};
    stretches.push_back(at);
  }
  donation->live.store(stretches.size(), std::memory_order_relaxed);
  const std::lock_guard<std::mutex> hold(donated_lock_);
  donated_.insert(donated_.end(), stretches.begin(), stretches.end());
}

void WorkingTable::DropDonatedMemory() {
  std::vector<char*> left;
  {
    const std::lock_guard<std::mutex> hold(donated_lock_);
    left.swap(donated_);
  }
  for (char* stretch : left) Unref(stretch);
}

char* WorkingTable::TakeDonatedStretch() {
  const std::lock_guard<std::mutex> hold(donated_lock_);
  if (donated_.empty()) return nullptr;
  char* stretch = donated_.back();
  donated_.pop_back();
  return stretch;
}

WorkingTable::RowPool::~RowPool() {
  if (stretch_ != nullptr) Unref(stretch_);
}

char* WorkingTable::RowPool::Take(size_t size, WorkingTable& table) {
  if (size > kLargestPooled) return AllocateBlock(size);
  const size_t need = (sizeof(uint32_t) + size + 3) & ~size_t{3};
  if (stretch_ == nullptr || used_ + need > kStretchBytes) {
    char* stretch = table.TakeDonatedStretch();
    if (stretch == nullptr) {
      stretch = static_cast<char*>(std::malloc(kStretchBytes));
      if (stretch == nullptr) throw std::bad_alloc();
      PrefaultForWriting(stretch, kStretchBytes);
      new (stretch) StretchHeader{{1}, nullptr};
    }
    if (stretch_ != nullptr) Unref(stretch_);
    stretch_ = stretch;
    used_ = kStretchHeader;
  }
  char* raw = stretch_ + used_;
  const uint32_t h = kPooled | static_cast<uint32_t>(used_);
  std::memcpy(raw, &h, sizeof h);
  HeaderOfStretch(stretch_).live.fetch_add(1, std::memory_order_relaxed);
  used_ += need;
  return raw + sizeof h;
}

void WorkingTable::ReplaceRow(int row, std::span<const std::string_view> texts,
                              std::vector<char*>& released, RowPool& pool) {
  size_t size = 0;
  for (std::string_view t : texts) size += t.size();
  if (texts.size() != kColumns - 1 || row >= rows_in_use() || row <= 0 ||
      size >= kWide) {
    return SetRange(row, 1, texts);  // the checks, and wide rows
  }
  Row& r = rows_[static_cast<size_t>(row)];
  char* data = pool.Take(size, *this);
  char* to = data;
  for (size_t c = 0; c < texts.size(); ++c) {
    if (!texts[c].empty()) std::memcpy(to, texts[c].data(), texts[c].size());
    to += texts[c].size();
    r.size[c] = static_cast<uint16_t>(texts[c].size());
  }
  if (Lent(row)) {
    lent_[static_cast<size_t>(row)] = 0;
  } else if (r.data != nullptr) {
    released.push_back(r.data);
  }
  r.data = data;
}

void WorkingTable::Release(std::vector<char*>& released) {
  for (char* data : released) FreeBlock(data);
  released.clear();
}

void WorkingTable::Grow(int rows) {
  if (rows <= rows_in_use()) return;
  if (rows > limit_) ThrowOutside(rows - 1, 0);
  rows_.resize(static_cast<size_t>(rows));
  if (!lent_.empty()) lent_.resize(rows_.size());
}

void WorkingTable::ReleaseRow(int row) {
  if (row < 0 || row >= rows_in_use()) return;
  Row& r = rows_[static_cast<size_t>(row)];
  if (Lent(row)) {
    lent_[static_cast<size_t>(row)] = 0;
  } else {
    FreeBlock(r.data);
  }
  r = Row();
}

void WorkingTable::Lend(int row, std::string_view text) {
  if (row <= 0 || row >= rows_in_use() || text.size() >= kWide) {
    return Set(row, 1, text);
  }
  if (lent_.empty()) lent_.resize(rows_.size());
  Row& r = rows_[static_cast<size_t>(row)];
  if (!Lent(row)) FreeBlock(r.data);
  r = Row();
  // Never written through: every write makes the row's text its own first.
  r.data = const_cast<char*>(text.data());
  r.size[0] = static_cast<uint16_t>(text.size());
  lent_[static_cast<size_t>(row)] = 1;
}

void WorkingTable::OwnLentRow(int row) {
  Row& r = rows_[static_cast<size_t>(row)];
  const size_t size = r.size[0];
  char* data = AllocateBlock(size);
  if (size > 0) std::memcpy(data, r.data, size);
  r.data = data;
  lent_[static_cast<size_t>(row)] = 0;
}

void WorkingTable::EndLoans() {
  for (size_t row = 0; row < lent_.size(); ++row) {
    if (lent_[row] != 0) rows_[row] = Row();
  }
  std::vector<unsigned char>().swap(lent_);
}

void WorkingTable::Clear() {
  DropDonatedMemory();
  for (size_t row = 0; row < rows_.size(); ++row) {
    if (!Lent(static_cast<int>(row))) FreeBlock(rows_[row].data);
  }
  // The next mechanism may be a tenth of this one: its table is sized anew.
  std::vector<Row>().swap(rows_);
  std::vector<unsigned char>().swap(lent_);
  limit_ = kRows;
}

}  // namespace kestrelon
