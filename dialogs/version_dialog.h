#pragma once

#include "widgets/unloading_dialog.h"

class QLabel;
class QPushButton;

namespace kelvara {

// The application's title, version, picture and maker. OK, Enter and Esc close it.
class VersionDialog : public UnloadingDialog {
    Q_OBJECT
  public:
    explicit VersionDialog(QWidget* parent);

    static constexpr const char* app_title = "Kelvara";

  private:
    void Form_Load();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace kelvara
