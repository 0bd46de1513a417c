#include <QLineEdit>

#include "cli_test_support.h"
#include "save_dialog_support.h"

namespace kelvara::testing {
namespace {

using CliRoundTrip = SaveDialogFixture;

QString hex(Colour c) {
    return QStringLiteral("%1%2%3")
        .arg(red_of(c), 2, 16, QLatin1Char('0'))
        .arg(green_of(c), 2, 16, QLatin1Char('0'))
        .arg(blue_of(c), 2, 16, QLatin1Char('0'));
}

// What the save dialog writes and what the renderer makes of the parameter file it wrote are the
// same bytes, for random selections of both sprite types, at every background.
TEST_F(CliRoundTrip, RenderOfASavedParameterFileGivesTheSavedImage) {
    for (RandomItem item : {RandomItem::eye_color, RandomItem::pose, RandomItem::body_color,
                            RandomItem::accessory_color}) {
        w.set_random_flag(item, true);
    }
    w.random_source().seed(31);
    const Colour backgrounds[] = {RGB(212, 208, 200), RGB(0, 255, 0), RGB(255, 255, 255)};
    for (int round = 0; round < 24; ++round) {
        if (round == 12) ui.type_button[1]->click();
        w.set_back_color(backgrounds[round % 3]);
        if (round % 5 == 0) ui.cloth_c1_option_b[round % 10 == 0 ? 0 : 1]->click();
        w.random_Click();
        const QString name = QStringLiteral("r%1").arg(round);
        CapturingSaveDialog* d = open();
        d->SaveName->setText(name);
        d->OKButton->click();
        ASSERT_TRUE(d->messages.empty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        const QString out = file(name + QStringLiteral(".rendered.bmp"));
        QStringList args = {QStringLiteral("render"), file(name + QStringLiteral(".txt")),
                            QStringLiteral("-o"), out};
        if (round % 3 != 0) args += {QStringLiteral("--background"), hex(backgrounds[round % 3])};
        const CliRun r = run_cli(args);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        ASSERT_EQ(read_all(out), read_all(file(name + QStringLiteral(".bmp"))))
            << "round " << round;
    }
}

}  // namespace
}  // namespace kelvara::testing
