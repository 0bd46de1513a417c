#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <exception>

#include "editor/char_tool.h"
#include "info_options.h"

int main(int argc, char* argv[]) {
    if (const auto status = kelvara::answer_info_options(argc, argv)) return *status;
    QApplication app(argc, argv);
    try {
        kelvara::CharTool window;
        // Opens centred on the screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            window.move(area.center() - window.rect().center());
        }
        window.show();
        return app.exec();
    } catch (const std::exception& e) {
        // Only a broken build gets here (an embedded image could not be decoded).
        QMessageBox::critical(nullptr, QStringLiteral("Kelvara"), QString::fromUtf8(e.what()));
        return 1;
    }
}
