// The history list and the histogram labels as the screen draws them.

#include <unistd.h>

#include <QFontInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

bool ScrollBarShown(Desktop& d, const char* title) {
  return d.OnUi([=] {
    auto* tree = static_cast<QTreeWidget*>(
        Desktop::OpenWindowTitled(title)->ControlByName("ListBox1")->Widget());
    return tree->verticalScrollBar()->isVisible();
  });
}

int HistoryLength(Desktop& d, const char* title) {
  return d.OnUi(
      [=] { return Desktop::OpenWindowTitled(title)->Find<Listbox>("ListBox1").ListCount(); });
}

// A number may be condensed to fit its cell, to no less than this share of its own width.
constexpr double kNarrowestLegible = 0.6;
// Blank columns between the ink of neighbouring cells, so that "0" beside "1000" never reads
// "01000".
constexpr int kBlankBetweenCells = 3;

// Every cell of the row holds the wanted text, shows all of it on the screen and stands apart
// from its neighbours.
void ExpectRowReadsApart(Desktop& d, const char* title, int row,
                         const std::vector<std::string>& want) {
  ShownRow shown;
  QImage shot;
  QRect area;
  std::vector<Ink> inks;
  auto whole = [&](size_t c) {
    const auto& [box, text] = shown.cells[c];
    return ShowsWhole(shot, box.translated(-area.topLeft()), shown.font, text, kNarrowestLegible);
  };
  auto blank = [&](size_t c) { return inks[c + 1].span.left() - inks[c].span.right() - 1; };
  auto readable = [&] {
    shown = HistoryRow(d, title, row);
    if (!shown.visible) return false;
    area = QRect();
    for (const auto& [box, text] : shown.cells) area |= box;
    shot = d.Grab(area);
    inks.clear();
    bool ok = true;
    for (size_t c = 0; c < shown.cells.size(); ++c) {
      inks.push_back(InkIn(shot, shown.cells[c].first.translated(-area.topLeft())));
      ok = ok && whole(c) && (c == 0 || blank(c - 1) >= kBlankBetweenCells);
    }
    return ok;
  };
  d.WaitFor("row " + std::to_string(row) + " drawn whole and apart", readable, 3s);
  ASSERT_EQ(inks.size(), want.size()) << "row " << row << " in view";
  for (size_t c = 0; c < want.size(); ++c) {
    EXPECT_EQ(shown.cells[c].second, want[c]) << "row " << row << ", column " << c;
    EXPECT_TRUE(whole(c)) << "row " << row << ", column " << c;
    if (c > 0) {
      EXPECT_GE(blank(c - 1), kBlankBetweenCells)
          << "row " << row << ", between columns " << c - 1 << " and " << c;
    }
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

// Counts up to the ceiling and generations up to 100, in lists with and without the scroll bar.
void ExpectHistoriesReadApart(Desktop& d) {
  d.MoveSplashAside();
  ReproduceToTheCeiling(d);
  CloseMessageBoxWithReturn(d);
  d.ClickControl(kMainTitle, "DisclosureTriangle1");
  const XWindowId main = d.WindowOf(kMainTitle);
  d.WaitFor("the history panel", [&] { return d.Size(main).width() == 750; });
  // Generations 0 to 5 of dots of the middle class: 50 doubling up to the ceiling of 1000.
  auto expectGenerations = [&] {
    for (int g = 0; g <= 5; ++g) {
      const std::string n = std::to_string(std::min(50 << g, 1000));
      ExpectRowReadsApart(d, kMainTitle, g, {std::to_string(g), "0", "0", "0", n, "0", "0", "0"});
    }
  };
  EXPECT_FALSE(ScrollBarShown(d, kMainTitle));
  expectGenerations();
  // Every Stop adds a row, until the scroll bar takes its share of the list's width.
  while (!ScrollBarShown(d, kMainTitle)) {
    const int rows = HistoryLength(d, kMainTitle);
    d.ClickControl(kMainTitle, "PushButtonRun");
    d.ClickControl(kMainTitle, "PushButtonRun");
    if (!d.WaitFor("a row more", [&] { return HistoryLength(d, kMainTitle) > rows; })) return;
  }
  expectGenerations();

  // Three-digit generations: an empty population reproduced a hundred times.
  OpenFromMenu(d, "Window", "Mutation's Role", kMutationsTitle);
  d.ClickToFocus(kMutationsTitle, "EditFieldPopSz");
  d.Key("a", {"Control_L"});
  d.Type("0");
  d.WaitFor("a size of 0", [&] { return d.Text(kMutationsTitle, "EditFieldPopSz") == "0"; });
  d.ClickControl(kMutationsTitle, "PushButtonNewPop");
  WaitForCount(d, kMutationsTitle, "0");
  const QPoint reproduce = d.ScreenRect(kMutationsTitle, "PushButtonDivide").center();
  for (int g = 1; g <= 100; ++g) {
    d.Click(reproduce);
    auto added = [&] { return HistoryLength(d, kMutationsTitle) == g + 1; };
    if (!d.WaitFor("generation " + std::to_string(g), added)) return;
  }
  d.ClickControl(kMutationsTitle, "DisclosureTriangle1");
  const XWindowId mutations = d.WindowOf(kMutationsTitle);
  d.WaitFor("the history panel", [&] { return d.Size(mutations).width() == 750; });
  const QPoint list = d.ScreenRect(kMutationsTitle, "ListBox1").center();
  d.WaitFor("the last row scrolled into view", [&] {
    d.Wheel(list, 5);
    return HistoryRow(d, kMutationsTitle, 100).visible;
  });
  ExpectRowReadsApart(d, kMutationsTitle, 100, {"100", "0", "0", "0", "0", "0", "0", "0"});
}

// The program runs a second time without the condensed faces the list prefers, as on a machine
// without them: fontconfig reads its configuration once, so in a process of its own.
constexpr const char* kWithoutNarrowFaces = "SKELLITH_TEST_WITHOUT_NARROW_FACES";

TEST(DesktopHistory, WholeNumbersStandApartWithAndWithoutNarrowFaces) {
  if (std::getenv(kWithoutNarrowFaces)) {
    Desktop::Run([](Desktop& d) {
      const QString face = d.OnUi([] {
        auto* w = Desktop::OpenWindowTitled(kMainTitle);
        return QFontInfo(w->ControlByName("ListBox1")->Widget()->font()).family();
      });
      ASSERT_FALSE(face.contains("Narrow")) << face.toStdString();
      ExpectHistoriesReadApart(d);
    });
    return;
  }
  Desktop::Run(ExpectHistoriesReadApart);

  const auto config = std::filesystem::temp_directory_path() /
                      ("skellith-fonts-" + std::to_string(getpid()) + ".conf");
  std::ofstream(config) << R"(<?xml version="1.0"?><fontconfig>
    <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
    <selectfont><rejectfont>
      <pattern><patelt name="family"><string>Nimbus Sans Narrow</string></patelt></pattern>
      <pattern><patelt name="family"><string>Liberation Sans Narrow</string></patelt></pattern>
      <pattern><patelt name="family"><string>Arial Narrow</string></patelt></pattern>
    </rejectfont></selectfont></fontconfig>)";
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  const std::string command = std::string(kWithoutNarrowFaces) + "=1 FONTCONFIG_FILE='" +
                              config.string() + "' '" +
                              std::filesystem::read_symlink("/proc/self/exe").string() +
                              "' --gtest_filter=" + test->test_suite_name() + "." + test->name();
  std::fflush(stdout);
  EXPECT_EQ(std::system(command.c_str()), 0) << "without the narrow faces";
  std::filesystem::remove(config);
}

TEST(DesktopHistograms, MaximumLabelsShowTheirWholeNumber) {
  Desktop::Run([](Desktop& d) {
    d.MoveSplashAside();
    ReproduceToTheCeiling(d);
    CloseMessageBoxWithReturn(d);
    ExpectLabelShownWhole(d, kMainTitle, "StaticTextMaxCurrent", "1000");
    ExpectLabelShownWhole(d, kMainTitle, "StaticTextMaxStart", "50");
    // Widened to the left only: the labels still end in column 365, just before the axis ticks.
    const int left = d.ScreenPoint(kMainTitle, QPoint(0, 0)).x();
    EXPECT_EQ(d.ScreenRect(kMainTitle, "StaticTextMaxCurrent").right() - left, 365);
    EXPECT_EQ(d.ScreenRect(kMainTitle, "StaticTextMaxStart").right() - left, 365);
  });
}

}  // namespace
