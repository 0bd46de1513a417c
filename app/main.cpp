#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <exception>

#include "editor/char_tool.h"
#include "export/file_names.h"
#include "info_options.h"

namespace {

// The parameter file named on the command line, if any: the first argument that is not an
// option (Qt has already taken its own options out of argv). Its name is taken as the bytes it
// is, as a name need not be UTF-8 (see export/file_names.h).
QString parameter_file_argument(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') return kelvara::name_from_bytes(QByteArray(argv[i]));
    }
    return {};
}

}  // namespace

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
        // A file that cannot be opened is reported, and the window starts with its usual
        // character.
        if (const QString file = parameter_file_argument(argc, argv); !file.isEmpty()) {
            window.open_parameter_file(file);
        }
        return app.exec();
    } catch (const std::exception& e) {
        // Only a broken build gets here (an embedded image could not be decoded).
        QMessageBox::critical(nullptr, QStringLiteral("Kelvara"), QString::fromUtf8(e.what()));
        return 1;
    }
}
