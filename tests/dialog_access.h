#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>

#include "model/random_items.h"

namespace kelvara::testing {

// A dialog's control, found by its object name as a user's script would: the dialogs keep their
// controls private. With an index, one of a control array, named "name(index)".
template <typename T = QPushButton>
T* control(const QWidget* dialog, const char* name, int index = -1) {
    const QString full = index < 0 ? QString::fromLatin1(name)
                                   : QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
    T* child = dialog == nullptr ? nullptr : dialog->findChild<T*>(full);
    EXPECT_NE(child, nullptr) << full.toStdString();
    return child;
}

// The random settings' box for an item, by the name the dialog gives it.
inline QCheckBox* random_box(const QWidget* dialog, RandomItem item) {
    static constexpr const char* names[] = {
        "face_chk",        "hair_chk",       "hair_color_chk",  "eye_chk",        "cloth_chk",
        "cloth_color_chk", "body_color_chk", "pants_color_chk", "line_color_chk", "accessory_chk"};
    static_assert(std::size(names) == random_items.size());
    return control<QCheckBox>(dialog, names[static_cast<std::size_t>(item)]);
}

}  // namespace kelvara::testing
