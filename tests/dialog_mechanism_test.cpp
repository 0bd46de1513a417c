#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTest>

#include "editor_fixture.h"
#include "widgets/unloading_dialog.h"

namespace kelvara::testing {
namespace {

// A dialog that counts its loads and unloads.
class ProbeDialog : public UnloadingDialog {
  public:
    explicit ProbeDialog(QWidget* parent) : UnloadingDialog(parent) {
        set_client_size(120, 60);
        set_escape_closes(true);
        ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &UnloadingDialog::unload);
        connect(this, &UnloadingDialog::unloaded, [] { ++unloads; });
        ++loads;
    }
    QPushButton* ok;
    static inline int loads = 0;
    static inline int unloads = 0;
};

struct DialogMechanism : EditorFixture {
    void SetUp() override {
        ProbeDialog::loads = 0;
        ProbeDialog::unloads = 0;
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    ProbeDialog* open() {
        auto* d = new ProbeDialog(&w);
        w.show_dialog(d);
        return d;
    }
    // Closes the dialog one way and checks the main window is back.
    template <typename Close>
    void closes_and_reenables(Close close) {
        QPointer<ProbeDialog> d = open();
        ASSERT_TRUE(d->isVisible());
        EXPECT_TRUE(d->isWindow());
        EXPECT_EQ(d->parentWidget(), &w);
        EXPECT_TRUE(takes_no_input());
        // Blocked, not disabled: the window and its controls keep their look behind the dialog.
        EXPECT_TRUE(w.isEnabled());
        EXPECT_TRUE(ui.reset->isEnabled());
        ASSERT_TRUE(d->isEnabled()) << "the dialog must stay usable";
        close(*d);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(d.isNull()) << "closing unloads the dialog";
        EXPECT_TRUE(takes_input());
        EXPECT_EQ(w.open_dialog_window(), nullptr);
        // The keyboard comes back to the main window, window manager or not.
        EXPECT_EQ(QApplication::activeWindow(), &w);
    }
};

TEST_F(DialogMechanism, EveryWayOfClosingUnloadsOnceAndGivesTheMainWindowItsInputBack) {
    closes_and_reenables([](ProbeDialog& d) { d.ok->click(); });
    closes_and_reenables([](ProbeDialog& d) { d.close(); });  // the close box
    closes_and_reenables([](ProbeDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    closes_and_reenables([](ProbeDialog& d) { d.accept(); });
    EXPECT_EQ(ProbeDialog::loads, 4);
    EXPECT_EQ(ProbeDialog::unloads, 4);
}

TEST_F(DialogMechanism, MainWindowRefusesToCloseWhileADialogIsOpen) {
    ProbeDialog* d = open();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    d->unload();
    EXPECT_TRUE(w.close());
}

TEST_F(DialogMechanism, DialogOpensCentredOverTheMainWindow) {
    ProbeDialog* d = open();
    const QPoint centre = d->frameGeometry().center();
    EXPECT_LE((centre - w.frameGeometry().center()).manhattanLength(), 4);
    d->unload();
}

TEST_F(DialogMechanism, EndItemClosesAtOnce) {
    ui.m_end->trigger();
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace kelvara::testing
