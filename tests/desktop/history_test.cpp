// The history list and the histogram labels as the screen draws them.

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>
#include <vector>

#include "platform/list_controls.h"
#include "platform/window.h"
#include "tests/desktop/desktop.h"
#include "tests/desktop/ink.h"
#include "tests/desktop/steps.h"

namespace {

// A row of a history list as the screen shows it: each cell's box and stored text, and the font
// the list draws in.
struct ShownRow {
  bool visible = false;
  QFont font;
  std::vector<std::pair<QRect, std::string>> cells;
};

ShownRow HistoryRow(Desktop& d, const char* title, int row) {
  const QPoint origin = d.Origin(d.WindowOf(title));
  return d.OnUi([=] {
    ShownRow shown;
    Window* w = Desktop::OpenWindowTitled(title);
    auto* tree = w ? static_cast<QTreeWidget*>(w->ControlByName("ListBox1")->Widget()) : nullptr;
    QTreeWidgetItem* item = tree ? tree->topLevelItem(row) : nullptr;
    if (!item) return shown;
    const QRect line = tree->visualItemRect(item);
    const QRect view = tree->viewport()->rect();
    shown.visible = view.contains(line);
    shown.font = tree->font();
    const QPoint at = origin + tree->viewport()->mapTo(w->Widget(), QPoint(0, 0));
    for (int c = 0; c < tree->columnCount(); ++c) {
      const QRect cell(tree->header()->sectionViewportPosition(c), line.top(),
                       tree->header()->sectionSize(c), line.height());
      shown.cells.emplace_back((cell & view).translated(at), item->text(c).toStdString());
    }
    return shown;
  });
}

// Every cell of the row holds the wanted text and shows all of it on the screen.
void ExpectRowShownWhole(Desktop& d, const char* title, int row,
                         const std::vector<std::string>& want) {
  ShownRow shown;
  QImage shot;
  QRect area;
  auto whole = [&] {
    shown = HistoryRow(d, title, row);
    if (!shown.visible) return false;
    area = QRect();
    for (const auto& [box, text] : shown.cells) area |= box;
    shot = d.Grab(area);
    return std::all_of(shown.cells.begin(), shown.cells.end(), [&](const auto& cell) {
      return bool(
          ShowsWhole(shot, cell.first.translated(-area.topLeft()), shown.font, cell.second));
    });
  };
  d.WaitFor("row " + std::to_string(row) + " drawn whole", whole, 3s);
  ASSERT_EQ(shown.cells.size(), want.size());
  for (size_t c = 0; c < want.size(); ++c) {
    const auto& [box, text] = shown.cells[c];
    EXPECT_EQ(text, want[c]) << "row " << row << ", column " << c;
    EXPECT_TRUE(ShowsWhole(shot, box.translated(-area.topLeft()), shown.font, text))
        << "row " << row << ", column " << c;
  }
}

void ExpectLabelShownWhole(Desktop& d, const char* title, const char* label,
                           const std::string& want) {
  EXPECT_EQ(d.Text(title, label), want);
  const QRect box = d.ScreenRect(title, label);
  const QFont font = d.OnUi(
      [=] { return Desktop::OpenWindowTitled(title)->ControlByName(label)->Widget()->font(); });
  QImage shot;
  auto whole = [&] {
    shot = d.Grab(box);
    return bool(ShowsWhole(shot, shot.rect(), font, want));
  };
  d.WaitFor(std::string(label) + " drawn whole", whole, 3s);
  EXPECT_TRUE(ShowsWhole(shot, shot.rect(), font, want)) << label;
}
TEST(DesktopHistory, EveryCellShowsItsWholeNumber) {
  Desktop::Run([](Desktop& d) {
    d.MoveSplashAside();
    ReproduceToTheCeiling(d);
    CloseMessageBoxWithReturn(d);
    d.ClickControl(kMainTitle, "DisclosureTriangle1");
    // Generations 0 to 5 of dots of the middle class: 50 doubling up to the ceiling of 1000.
    for (int g = 0; g <= 5; ++g) {
      const std::string n = std::to_string(std::min(50 << g, 1000));
      ExpectRowShownWhole(d, kMainTitle, g, {std::to_string(g), "0", "0", "0", n, "0", "0", "0"});
    }

    // Three-digit generations: an empty population reproduced a hundred times.
    OpenFromMenu(d, "Window", "Mutation's Role", kMutationsTitle);
    d.ClickToFocus(kMutationsTitle, "EditFieldPopSz");
    d.Key("a", {"Control_L"});
    d.Type("0");
    d.WaitFor("a size of 0", [&] { return d.Text(kMutationsTitle, "EditFieldPopSz") == "0"; });
    d.ClickControl(kMutationsTitle, "PushButtonNewPop");
    WaitForCount(d, kMutationsTitle, "0");
    const QPoint reproduce = d.ScreenRect(kMutationsTitle, "PushButtonDivide").center();
    auto rows = [&] {
      return d.OnUi([] {
        return Desktop::OpenWindowTitled(kMutationsTitle)->Find<Listbox>("ListBox1").ListCount();
      });
    };
    for (int g = 1; g <= 100; ++g) {
      d.Click(reproduce);
      if (!d.WaitFor("generation " + std::to_string(g), [&] { return rows() == g + 1; })) return;
    }
    d.ClickControl(kMutationsTitle, "DisclosureTriangle1");
    const XWindowId mutations = d.WindowOf(kMutationsTitle);
    d.WaitFor("the history panel", [&] { return d.Size(mutations).width() == 750; });
    const QPoint list = d.ScreenRect(kMutationsTitle, "ListBox1").center();
    d.WaitFor("the last row scrolled into view", [&] {
      d.Wheel(list, 5);
      return HistoryRow(d, kMutationsTitle, 100).visible;
    });
    ExpectRowShownWhole(d, kMutationsTitle, 100, {"100", "0", "0", "0", "0", "0", "0", "0"});
  });
}

TEST(DesktopHistograms, MaximumLabelsShowTheirWholeNumber) {
  Desktop::Run([](Desktop& d) {
    d.MoveSplashAside();
    ReproduceToTheCeiling(d);
    CloseMessageBoxWithReturn(d);
    ExpectLabelShownWhole(d, kMainTitle, "StaticTextMaxCurrent", "1000");
    ExpectLabelShownWhole(d, kMainTitle, "StaticTextMaxStart", "50");
    // The labels still end where the layout ends them, beside the axis ticks.
    const int left = d.ScreenPoint(kMainTitle, QPoint(0, 0)).x();
    EXPECT_EQ(d.ScreenRect(kMainTitle, "StaticTextMaxCurrent").right() - left, 346 + 20 - 1);
    EXPECT_EQ(d.ScreenRect(kMainTitle, "StaticTextMaxStart").right() - left, 346 + 20 - 1);
  });
}

}  // namespace
