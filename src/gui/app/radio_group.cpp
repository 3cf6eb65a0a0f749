#include "app/radio_group.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

namespace zolvane::gui::app {

QButtonGroup* MakeRadioGroup(QGroupBox& box) {
    auto* group = new QButtonGroup(&box);
    int id = 0;
    for (QRadioButton* button : box.findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        group->addButton(button, id++);
    return group;
}

void SelectPosition(QButtonGroup& group, std::optional<std::int64_t> position) {
    QAbstractButton* button = nullptr;
    if (position && *position >= 0 && *position < group.buttons().size())
        button = group.button(static_cast<int>(*position));
    if (!button) button = group.button(0);
    if (button) button->setChecked(true);
}

}  // namespace zolvane::gui::app
