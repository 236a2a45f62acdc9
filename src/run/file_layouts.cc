#include "run/file_layouts.h"

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "model/energy_unit.h"
#include "output/layout_pass.h"
#include "platform/side_task.h"

namespace kestrelon {
namespace {

// Half `half` of file `f` parted at `split` through one layout pass; the
// second half of no split (Split{}) is the whole file.
void LayOutHalf(const OutputResult& written, const OutputResult::Split& split,
                int half, int f, const CoefficientStyle& style,
                const std::string& path, std::shared_ptr<LayoutMemo>& memo,
                const TextSink& sink) {
  LayoutPass pass(path, kOutUnits[f], style, memo, written.lines, sink,
                  half == 0 ? 0 : split.lines);
  written.HalfPieces(f, split, half,
                     [&pass](std::string_view piece) { pass.Feed(piece); });
  pass.Finish();
}

// File `f` in two halves, the second beside the first; `laid_out` is
// called once both are laid out, before the second half is handed on, so
// that the next file's work goes on beside that writing.
void LayOutInHalves(const OutputResult& written,
                    const OutputResult::Split& split, int f,
                    const CoefficientStyle& style, const std::string& path,
                    std::shared_ptr<LayoutMemo>& memo, const TextSink& sink,
                    const std::function<void()>& laid_out) {
  std::string held;
  // Room asked for and never written takes no memory; growing by copies
  // would write the half twice over. Laying out adds a little.
  const size_t size = written.SecondHalfSize(split);
  held.reserve(size + size / 4);
  std::shared_ptr<LayoutMemo> later;
  const TextSink hold = [&held](std::string_view piece) { held.append(piece); };
  SideTask second(
      [&] { LayOutHalf(written, split, 1, f, style, path, later, hold); });
  std::exception_ptr failure;
  try {
    LayOutHalf(written, split, 0, f, style, path, memo, sink);
  } catch (...) {
    failure = std::current_exception();
  }
  try {
    second.Wait();
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
  if (failure) std::rethrow_exception(failure);
  JoinMemos(memo, later);
  laid_out();
  sink(held);
}

}  // namespace

void LayOutFiles(const OutputResult& written, const CoefficientStyle& style,
                 const std::array<std::string, 3>& paths,
                 FilePublisher* publisher, int& failed) {
  size_t staged[3] = {};
  const auto sink_of = [publisher, &staged](size_t f) -> TextSink {
    return [publisher, &staged, f](std::string_view piece) {
      if (publisher != nullptr) publisher->AppendTo(staged[f], piece);
    };
  };
  const TextSink sinks[3] = {sink_of(0), sink_of(1), sink_of(2)};
  std::exception_ptr failures[3];
  const auto noting = [&failures](int f, const std::function<void()>& work) {
    try {
      work();
    } catch (...) {
      failures[f] = std::current_exception();
    }
    return !failures[f];
  };
  const auto begin = [&](int f) {
    return noting(f, [&] {
      if (publisher != nullptr) staged[f] = publisher->Begin(paths[f]);
    });
  };
  std::shared_ptr<LayoutMemo> memo;
  const auto lay_out = [&](int f) {
    noting(f, [&] {
      LayOutHalf(written, OutputResult::Split{}, 1, f, style, paths[f], memo,
                 sinks[f]);
    });
  };

  // The calorie file is laid out on a second thread beside the kelvin
  // file, from the moment the joule file's halves are laid out.
  std::optional<SideTask> calorie;
  bool rest_begun = false;
  const auto begin_rest = [&] {
    rest_begun = true;
    if (!begin(1)) return;
    if (!begin(2)) {
      lay_out(1);  // its failure, if any, comes first
      return;
    }
    calorie.emplace([&lay_out] { lay_out(1); });
  };
  // Texts not worth parting are not worth a second thread either.
  const OutputResult::Split split = written.Halves();
  if (begin(0)) {
    if (split.hole == 0) {
      lay_out(0);
    } else {
      noting(0, [&] {
        LayOutInHalves(written, split, 0, style, paths[0], memo, sinks[0],
                       begin_rest);
      });
    }
  }
  if (calorie) {
    if (!failures[0]) lay_out(2);
    calorie->Wait();
  } else if (!failures[0] && !rest_begun && begin(1)) {
    lay_out(1);
    if (begin(2)) lay_out(2);
  }
  for (int f = 0; f < 3; ++f) {
    if (!failures[f]) continue;
    failed = f;
    std::rethrow_exception(failures[f]);
  }
}

}  // namespace kestrelon
