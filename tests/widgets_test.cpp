#include <gtest/gtest.h>

#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <functional>
#include <utility>

#include "widgets/unloading_dialog.h"

namespace kelvara::testing {
namespace {

// A dialog whose Esc closes it, and that notes whether it was still visible when it said it had
// unloaded.
class Probe : public UnloadingDialog {
  public:
    explicit Probe(QWidget* parent, bool escape_closes) : UnloadingDialog(parent) {
        set_escape_closes(escape_closes);
        connect(this, &UnloadingDialog::unloaded, this, [this] {
            ++unloads;
            visible_at_unload = isVisible();
        });
    }
    int unloads = 0;
    bool visible_at_unload = true;
};

// Whoever opened the dialog takes the keyboard back on unloaded, which works only once the modal
// dialog is hidden; and it must hear it once, however the dialog closes, even closed twice.
TEST(UnloadingDialog, EveryWayOutUnloadsOnceAndHiddenFirst) {
    const std::pair<const char*, std::function<void(Probe&)>> ways[] = {
        {"close box", [](Probe& d) { d.close(); }},
        {"unload", [](Probe& d) { d.unload(); }},
        {"accept", [](Probe& d) { d.accept(); }},
        {"reject", [](Probe& d) { d.reject(); }},
        {"done", [](Probe& d) { d.done(7); }},
        {"Esc", [](Probe& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const auto& [name, close] : ways) {
        QWidget owner;
        auto* d = new Probe(&owner, true);
        d->setAttribute(Qt::WA_DeleteOnClose, false);
        d->show();
        close(*d);
        d->close();
        EXPECT_EQ(d->unloads, 1) << name;
        EXPECT_FALSE(d->visible_at_unload) << name;
    }
}

TEST(UnloadingDialog, EscStaysOpenWithoutACancelButtonAndOwnersFontAndIconAreTaken) {
    QWidget owner;
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSizeF(9);
    owner.setFont(font);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    owner.setWindowIcon(QIcon(icon));
    Probe d(&owner, false);
    d.setAttribute(Qt::WA_DeleteOnClose, false);
    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.unloads, 0);
    EXPECT_TRUE(d.isWindow());
    EXPECT_EQ(d.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(d.font(), font);
    EXPECT_EQ(d.windowIcon().pixmap(16, 16).toImage().pixel(0, 0), QColor(Qt::red).rgb());
    d.close();
}

}  // namespace
}  // namespace kelvara::testing
