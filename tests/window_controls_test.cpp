#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

// What the handlers rely on from the platform's controls.
namespace {

TEST(ScrollBarContract, ValueSetFromCodeRunsTheHandlerNestedAndOnlyOnAChange) {
    QScrollBar bar(Qt::Horizontal);
    bar.setRange(0, 711);
    int runs = 0;
    bool inside_setter = false;
    bool ran_inside_setter = false;
    QObject::connect(&bar, &QScrollBar::valueChanged, [&](int) {
        ++runs;
        ran_inside_setter = inside_setter;
    });

    inside_setter = true;
    bar.setValue(5);
    inside_setter = false;
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(ran_inside_setter);

    bar.setValue(5);
    EXPECT_EQ(runs, 1) << "setting the value the bar already holds must run nothing";
}

TEST(ScrollBarContract, HandlerCanResetItsOwnBarAndRunsAgainNested) {
    QScrollBar spin(Qt::Horizontal);
    spin.setRange(0, 2);
    spin.setValue(1);
    std::vector<int> seen;
    QObject::connect(&spin, &QScrollBar::valueChanged, [&](int v) {
        seen.push_back(v);
        if (v != 1) spin.setValue(1);
    });
    spin.setValue(2);
    EXPECT_EQ(seen, (std::vector<int>{2, 1}));
    EXPECT_EQ(spin.value(), 1);
}

TEST(ScrollBarContract, ArrowsAndTroughMoveByOne) {
    QScrollBar bar(Qt::Horizontal);
    bar.setRange(0, 77);
    bar.setSingleStep(1);
    bar.setPageStep(1);
    bar.resize(193, 17);
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar.value(), 1);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar.value(), 2);
    bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(bar.value(), 1);
}

TEST(OptionGroupContract, SelectingOneDeselectsTheOthersAndReportsItsIndex) {
    QWidget parent;
    QButtonGroup group;
    QRadioButton a("a", &parent), b("b", &parent), c("c", &parent);
    group.addButton(&a, 0);
    group.addButton(&b, 1);
    group.addButton(&c, 2);
    a.setChecked(true);
    QSignalSpy clicked(&group, &QButtonGroup::idClicked);
    b.click();
    EXPECT_FALSE(a.isChecked());
    EXPECT_TRUE(b.isChecked());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1);
}

}  // namespace
