#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "model/random_items.h"

namespace kelvara::testing {

// A dialog's control, found by its object name as a user's script would: the dialogs keep their
// controls private.
template <typename T>
T* control(const QWidget* dialog, const QString& object_name) {
    T* child = dialog == nullptr ? nullptr : dialog->findChild<T*>(object_name);
    EXPECT_NE(child, nullptr) << object_name.toStdString();
    return child;
}

template <typename T, std::size_t N>
std::array<T*, N> controls(const QWidget* dialog, const char* base_name) {
    std::array<T*, N> found{};
    for (std::size_t i = 0; i < N; ++i) {
        found[i] =
            control<T>(dialog, QStringLiteral("%1(%2)").arg(QLatin1String(base_name)).arg(i));
    }
    return found;
}

// The random settings: one box per item, by the names the dialog gives them.
struct RandomDialogControls {
    explicit RandomDialogControls(const QWidget* d) : dialog(d) {}
    QCheckBox* box(RandomItem item) const {
        static constexpr std::array<const char*, random_items.size()> names = {
            "face_chk",       "hair_chk",        "hair_color_chk", "eye_chk",
            "cloth_chk",      "cloth_color_chk", "body_color_chk", "pants_color_chk",
            "line_color_chk", "accessory_chk"};
        return control<QCheckBox>(dialog,
                                  QString::fromLatin1(names[static_cast<std::size_t>(item)]));
    }
    const QWidget* dialog;
    QPushButton* OKButton = control<QPushButton>(dialog, "OKButton");
};

struct BackColorDialogControls {
    explicit BackColorDialogControls(const QWidget* d) : dialog(d) {}
    const QWidget* dialog;
    std::array<QRadioButton*, 3> select_bkcolor =
        controls<QRadioButton, 3>(dialog, "select_bkcolor");
    QLabel* Label2 = control<QLabel>(dialog, "Label2");  // the grey swatch
    QPushButton* ok_btn = control<QPushButton>(dialog, "ok_btn");
};

struct IndexDialogControls {
    explicit IndexDialogControls(const QWidget* d) : dialog(d) {}
    // The labels of each row by their object names, top to bottom.
    static std::array<QLabel*, 12> labels(const QWidget* d, bool ranges) {
        static constexpr std::array<std::array<const char*, 2>, 12> names = {{
            {"Label13", "Label14"},
            {"Label1", "Label2"},
            {"Label3", "Label4"},
            {"Label6", "Label15"},
            {"Label5", "Label16"},
            {"Label7", "Label17"},
            {"Label8", "Label18"},
            {"Label9", "Label19"},
            {"Label10", "Label20"},
            {"Label11", "Label21"},
            {"Label12", "Label22"},
            {"Label25", "Label26"},
        }};
        std::array<QLabel*, 12> found{};
        for (std::size_t i = 0; i < found.size(); ++i) {
            found[i] = control<QLabel>(d, QString::fromLatin1(names[i][ranges ? 1 : 0]));
        }
        return found;
    }
    const QWidget* dialog;
    std::array<QLabel*, 12> group_label = labels(dialog, false);
    std::array<QLabel*, 12> range_label = labels(dialog, true);
    std::array<QPushButton*, 12> jump_button = controls<QPushButton, 12>(dialog, "jump_button");
    QPushButton* CancelButton = control<QPushButton>(dialog, "CancelButton");
};

struct VersionDialogControls {
    explicit VersionDialogControls(const QWidget* d) : dialog(d) {}
    const QWidget* dialog;
    QLabel* picIcon = control<QLabel>(dialog, "picIcon");
    QLabel* lblTitle = control<QLabel>(dialog, "lblTitle");
    QLabel* lblVersion = control<QLabel>(dialog, "lblVersion");
    QLabel* Label1 = control<QLabel>(dialog, "Label1");
    QPushButton* cmdOK = control<QPushButton>(dialog, "cmdOK");
};

}  // namespace kelvara::testing
