// A layout pass over a page of 500 widgets (50 packed rows of 10 packed
// boxes), and one pointer press routed through a tree 10 widgets deep that
// nobody consumes, so every level is asked. Both should allocate nothing.

#include "gui/Layout.h"
#include "gui/Page.h"
#include "input/InputEvent.h"
#include "support/AllocationCount.h"

#include <benchmark/benchmark.h>

namespace {

class Box : public GUI::Widget {
public:
  Box(float w, float h) { m_box.set(0, 0, w, h); }
  math::Rectangle localRectangle() const override { return m_box; }

private:
  math::Rectangle m_box;
};

void BM_LayoutPass500(benchmark::State &state) {
  GUI::Page page;
  page.setLayout(0, 4);
  page.setSpacing(2, 2);
  for (int row = 0; row < 50; ++row) {
    auto *line = new GUI::Widget;
    line->setLayout(4, 0);
    line->setSpacing(1, 0);
    for (int i = 0; i < 10; ++i) {
      auto *box = new Box(10.0f + float(i), 8.0f);
      box->setHExpand(i == 0);
      line->addChild(box);
    }
    page.addChild(line);
  }
  allocationCount = 0;
  allocationCounting = true;
  for (auto _ : state)
    GUI::applyLayout(page);
  allocationCounting = false;
  state.counters["allocs_per_call"] =
      benchmark::Counter(double(allocationCount) / double(state.iterations()));
}
BENCHMARK(BM_LayoutPass500);

void BM_RoutePointer10Deep(benchmark::State &state) {
  GUI::Page page;
  GUI::Widget *tip = &page;
  for (int depth = 0; depth < 10; ++depth) {
    auto *next = new Box(100, 100);
    tip->addChild(new Box(5, 5));
    tip->addChild(next);
    tip = next;
  }
  page.enter();
  framework::InputEvent press;
  press.kind = framework::InputEvent::BUTTON_DOWN;
  press.position = math::Vector2i(50, 50);
  allocationCount = 0;
  allocationCounting = true;
  for (auto _ : state)
    benchmark::DoNotOptimize(page.handleEvent(press));
  allocationCounting = false;
  state.counters["allocs_per_call"] =
      benchmark::Counter(double(allocationCount) / double(state.iterations()));
}
BENCHMARK(BM_RoutePointer10Deep);

} // namespace
