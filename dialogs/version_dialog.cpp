#include "dialogs/version_dialog.h"

#include <QPixmap>
#include <QPushButton>

#include "assets/embedded_assets.h"
#include "model/version.h"
#include "widgets/placement.h"

namespace kelvara {

VersionDialog::VersionDialog(QWidget* parent) : UnloadingDialog(parent) {
    setObjectName(QStringLiteral("VersionDialog"));
    set_client_size(248, 109);
    set_escape_closes(true);

    picIcon = place(new QLabel(this), "picIcon", 16, 8, 46, 64);
    picIcon->setPixmap(QPixmap(embedded_asset_path(QStringLiteral("about.gif"))));
    lblTitle = place(new QLabel(this), "lblTitle", 72, 8, 155, 24);
    QPalette black_text = lblTitle->palette();
    black_text.setColor(QPalette::WindowText, Qt::black);
    lblTitle->setPalette(black_text);
    QFont title_font = lblTitle->font();
    title_font.setPointSizeF(title_font.pointSizeF() * 1.5);
    title_font.setBold(true);
    lblTitle->setFont(title_font);
    lblVersion = place(new QLabel(this), "lblVersion", 72, 32, 147, 15);
    Label1 = place(new QLabel(QStringLiteral("Vantrel本部"), this), "Label1", 72, 56, 97, 17);
    cmdOK = place(new QPushButton(QStringLiteral("OK"), this), "cmdOK", 88, 80, 68, 23);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &UnloadingDialog::unload);

    Form_Load();
    cmdOK->setFocus();
}

void VersionDialog::Form_Load() {
    const QString title = QString::fromUtf8(app_title);
    setWindowTitle(title + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    lblVersion->setText(QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3")
                            .arg(version_major)
                            .arg(version_minor)
                            .arg(version_revision));
    lblTitle->setText(title);
}

}  // namespace kelvara
