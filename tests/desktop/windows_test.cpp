// The splash and the manual on a real desktop.

#include <QApplication>

#include "tests/desktop/desktop.h"
#include "tests/desktop/steps.h"

namespace {

TEST(DesktopSplash, ClosesOnceAMessageThatOutlastedItsTimerCloses) {
  Desktop::Run([](Desktop& d) {
    const auto opened = std::chrono::steady_clock::now();
    const XWindowId splash = d.Splash();
    ASSERT_TRUE(d.Viewable(splash));
    d.MoveSplashAside();
    ReproduceToTheCeiling(d);
    d.WaitFor(
        "the splash's eight seconds to pass",
        [&] { return std::chrono::steady_clock::now() - opened > 8500ms; }, 10s);
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
        "white to the edges", [&] { return white(right) && white(below); }, 2s));
    d.Click(d.Origin(splash) + QPoint(large.width() - 10, large.height() - 10));
    EXPECT_TRUE(d.WaitFor("the splash to close", [&] { return !d.Viewable(splash); }));
  });
}

TEST(DesktopWindows, TheManualShowsItsScrollBarForEveryTopic) {
  Desktop::Run([](Desktop& d) {
    d.CloseSplash();
    OpenFromMenu(d, "Help", "Online manual...", kManualTitle);
    // The shortest topic, "Quitting Skellith", is the last row of the pop-up.
    d.ClickControl(kManualTitle, "PopupMenuTopics");
    d.WaitFor("the topics listed",
              [&] { return d.OnUi([] { return QApplication::activePopupWidget() != nullptr; }); });
    d.Key("End");
    d.Key("Return");
    d.WaitFor("the quitting topic", [&] {
      return d.Text(kManualTitle, "HelpText").find("QUITTING") != std::string::npos;
    });
    // The bar's strip at the field's right edge is drawn in greys, not left white.
    const QRect field = d.ScreenRect(kManualTitle, "HelpText");
    const QRect strip(field.right() - 12, field.top() + 20, 8, field.height() - 40);
    auto drawn = [&] {
      const QImage shot = d.Grab(strip);
      int grey = 0;
      for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) grey += shot.pixel(x, y) != qRgb(255, 255, 255);
      }
      return grey > shot.width() * shot.height() / 2;
    };
    EXPECT_TRUE(d.WaitFor("the scroll bar drawn", drawn, 2s));
  });
}

}  // namespace
