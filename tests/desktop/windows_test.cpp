// The splash and the manual on a real desktop.

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>

#include "platform/control.h"
#include "platform/window.h"
#include "tests/desktop/desktop.h"
#include "tests/desktop/steps.h"
#include "windows/help_texts.h"

namespace {

TEST(DesktopSplash, ClosesOnceAMessageThatOutlastedItsTimerCloses) {
  Desktop::Run([](Desktop& d) {
    const auto opened = std::chrono::steady_clock::now();
    const XWindowId splash = d.Splash();
    d.MoveSplashAside();
    ReproduceToTheCeiling(d);
    ASSERT_TRUE(d.Viewable(splash)) << "the splash closed before the message came to outlast it";
    d.WaitFor(
        "the splash's eight seconds to pass",
        [&] { return std::chrono::steady_clock::now() - opened > 8500ms; }, 10s);
    ASSERT_TRUE(d.Viewable(splash)) << "the splash closed while the message held the program up";
    CloseMessageBoxWithReturn(d);
    EXPECT_TRUE(d.WaitFor(
        "the splash to close", [&] { return !d.Viewable(splash); }, 1s));
  });
}

TEST(DesktopWindows, AnEnlargedSplashIsWhiteToItsEdgesAndClosesOnAnyClick) {
  Desktop::Run([](Desktop& d) {
    const XWindowId splash = d.Splash();
    const QSize large(520, 560);
    d.Resize(splash, large);
    // The X server shows new area white until the program paints: the pixels tell only once the
    // program's content has grown to the window's edges.
    auto grown = [&] {
      return d.OnUi([] {
        Window* w = Desktop::OpenWindowTitled(kSplashTitle);
        return w->Content()->geometry().bottomRight() == w->Widget()->rect().bottomRight();
      });
    };
    d.WaitFor("the splash enlarged", [&] { return d.Size(splash) == large; });
    // Right of and below the layout's 327 x 371, inside the window.
    const QRect right(d.Origin(splash) + QPoint(340, 0),
                      QSize(large.width() - 340, large.height()));
    const QRect below(d.Origin(splash) + QPoint(0, 420),
                      QSize(large.width(), large.height() - 420));
    auto white = [&](const QRect& area) {
      const QImage shot = d.Grab(area);
      for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
          if (shot.pixel(x, y) != qRgb(255, 255, 255)) return false;
        }
      }
      return true;
    };
    EXPECT_TRUE(d.WaitFor(
        "white to the edges", [&] { return grown() && white(right) && white(below); }, 2s));
    d.Click(d.Origin(splash) + QPoint(large.width() - 10, large.height() - 10), splash);
    EXPECT_TRUE(d.WaitFor("the splash to close", [&] { return !d.Viewable(splash); }));
  });
}

TEST(DesktopWindows, TheManualShowsItsScrollBarForEveryTopic) {
  Desktop::Run([](Desktop& d) {
    d.CloseSplash();
    OpenFromMenu(d, "Help", "Online manual...", kManualTitle);
    // The bar's strip at the field's right edge is drawn in greys, not left white.
    const QRect field = d.ScreenRect(kManualTitle, "HelpText");
    const QRect strip(field.right() - 12, field.top() + 20, 8, field.height() - 40);
    auto drawn = [&] {
      const bool shown = d.OnUi([] {
        QWidget* text =
            Desktop::OpenWindowTitled(kManualTitle)->ControlByName("HelpText")->Widget();
        return static_cast<QAbstractScrollArea*>(text)->verticalScrollBar()->isVisible();
      });
      const QImage shot = d.Grab(strip);
      int grey = 0;
      for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) grey += shot.pixel(x, y) != qRgb(255, 255, 255);
      }
      return shown && grey > shot.width() * shot.height() / 2;
    };
    // The topics one after another, as the pop-up lists them; the last is the shortest.
    for (int i = 0; i < HelpTexts::kTopicCount; ++i) {
      if (i > 0) {
        const std::string shownBefore = d.Text(kManualTitle, "HelpText");
        d.ClickControl(kManualTitle, "PopupMenuTopics");
        d.WaitFor("the topics listed", [&] {
          return d.OnUi([] { return QApplication::activePopupWidget() != nullptr; });
        });
        d.Key("Down");
        d.Key("Return");
        d.WaitFor("topic " + std::to_string(i),
                  [&] { return d.Text(kManualTitle, "HelpText") != shownBefore; });
      }
      EXPECT_TRUE(d.WaitFor("the scroll bar drawn on topic " + std::to_string(i), drawn, 2s));
    }
  });
}

}  // namespace
