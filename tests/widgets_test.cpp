#include <gtest/gtest.h>

#include <QIcon>
#include <QPixmap>
#include <QTest>
#include <functional>
#include <utility>
#include <vector>

#include "widgets/unloading_dialog.h"

namespace kelvara::testing {
namespace {

// A dialog that notes, at each unloaded, whether it was still visible.
class Probe : public UnloadingDialog {
  public:
    explicit Probe(QWidget* parent, bool escape_closes) : UnloadingDialog(parent) {
        set_escape_closes(escape_closes);
        setAttribute(Qt::WA_DeleteOnClose, false);
        connect(this, &UnloadingDialog::unloaded, [this] { unloads.push_back(isVisible()); });
    }
    std::vector<bool> unloads;
};

// Whoever opened the dialog takes the keyboard back on unloaded, which works only once the modal
// dialog is hidden; and it must hear it once, however the dialog closes, even closed twice. Esc
// closes only a dialog with a cancel button. A dialog takes its owner's font and icon.
TEST(UnloadingDialog, EveryWayOutUnloadsOnceAndHiddenFirst) {
    QWidget owner;
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSizeF(9);
    owner.setFont(font);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    owner.setWindowIcon(QIcon(icon));
    const std::pair<const char*, std::function<void(Probe&)>> ways[] = {
        {"close box", [](Probe& d) { d.close(); }},
        {"unload", [](Probe& d) { d.unload(); }},
        {"accept", [](Probe& d) { d.accept(); }},
        {"reject", [](Probe& d) { d.reject(); }},
        {"done", [](Probe& d) { d.done(7); }},
        {"Esc", [](Probe& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const auto& [name, close] : ways) {
        Probe d(&owner, true);
        d.show();
        close(d);
        d.close();
        EXPECT_EQ(d.unloads, std::vector<bool>{false}) << name;
    }

    Probe d(&owner, false);
    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_TRUE(d.isVisible()) << "Esc without a cancel button";
    EXPECT_EQ(d.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(d.font(), font);
    EXPECT_EQ(d.windowIcon().pixmap(16, 16).toImage().pixel(0, 0), QColor(Qt::red).rgb());
}

}  // namespace
}  // namespace kelvara::testing
