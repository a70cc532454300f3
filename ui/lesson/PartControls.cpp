#include "PartControls.h"

#include "model/lesson/LessonControls.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Platform.h"
#include "ui/nuclides/NuclideLab.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

using decay::ControlKind;
using decay::ControlUse;

namespace partcontrols {
namespace {

// The context of this file's texts in the translations.
struct PartControls {
    Q_DECLARE_TR_FUNCTIONS(PartControls)
};

// The nuclide lab keeps its members' amounts in its members table, one row a member.
constexpr const char* kMemberAmounts = "txtAtoms";

QTableWidgetItem* memberAmount(const QList<QWidget*>& windows, const QString& name)
{
    if (!name.startsWith(QLatin1String(kMemberAmounts)) || name.size() == static_cast<qsizetype>(qstrlen(kMemberAmounts)))
        return nullptr;
    bool number = false;
    const int row = name.mid(static_cast<qsizetype>(qstrlen(kMemberAmounts))).toInt(&number) - 1;
    for (QWidget* window : windows)
        if (auto* lab = qobject_cast<NuclideLab*>(window); lab && number && row >= 0 && row < lab->tblMembers->rowCount())
            return lab->tblMembers->item(row, NuclideLab::ColAtoms);
    return nullptr;
}

// An item's key: the part's list of keys where the lesson's controls have one, else the key the
// window gave the item (a nuclide's or a unit's symbol), else its text (a member's symbol).
// The counting lab lists the members of its sample as check boxes of one list, a member's place in
// each item's data.
constexpr const char* kMemberChecks = "chkMember";

QListWidgetItem* memberCheck(const QList<QWidget*>& windows, const QString& name)
{
    const auto stem = static_cast<qsizetype>(qstrlen(kMemberChecks));
    if (!name.startsWith(QLatin1String(kMemberChecks)) || name.size() == stem)
        return nullptr;
    bool number = false;
    const int place = name.mid(stem).toInt(&number) - 1;
    for (QWidget* window : windows)
        if (auto* list = window->findChild<QListWidget*>(QStringLiteral("lstMembers")); list && number)
            for (int row = 0; row < list->count(); ++row)
                if (list->item(row)->data(Qt::UserRole).toInt() == place)
                    return list->item(row);
    return nullptr;
}

QString choiceKey(const QComboBox& box, int index, const decay::LessonControl& known)
{
    if (index >= 0 && index < static_cast<int>(known.keys.size()))
        return look::qtext(std::string(known.keys[static_cast<std::size_t>(index)]));
    const QVariant key = box.itemData(index, look::kChoiceKeyRole);
    return key.isValid() ? key.toString() : box.itemText(index);
}

// The value of one control, as a lesson keeps it; empty when the windows have no such control.
std::optional<std::string> valueOf(const QList<QWidget*>& windows, const QString& name, const decay::LessonControl& known)
{
    if (QTableWidgetItem* cell = memberAmount(windows, name))
        return decay::storedEntry(cell->text().toStdString(), look::decimalPoint(*windows.front()));
    if (QListWidgetItem* check = memberCheck(windows, name))
        return std::string(check->checkState() == Qt::Checked ? "true" : "false");
    QWidget* widget = control(windows, name);
    if (!widget)
        return std::nullopt;
    const std::string point = look::decimalPoint(*widget);
    switch (known.kind) {
    case ControlKind::Entry:
        if (auto* field = qobject_cast<QLineEdit*>(widget))
            return decay::storedEntry(look::text(field), point);
        break;
    case ControlKind::Text:
        if (auto* field = qobject_cast<QLineEdit*>(widget))
            return look::text(field);
        break;
    case ControlKind::Choice:
        if (auto* box = qobject_cast<QComboBox*>(widget); box && box->currentIndex() >= 0)
            return choiceKey(*box, box->currentIndex(), known).toStdString();
        break;
    case ControlKind::Check:
    case ControlKind::Option:
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return std::string(button->isChecked() ? "true" : "false");
        break;
    case ControlKind::Command:
        break;
    }
    return std::nullopt;
}

// Types `text` into the field as a user does, so that the window's handlers of typing follow.
void type(QLineEdit* field, const QString& text)
{
    field->selectAll();
    field->insert(text);
    if (field->text() != text) // a field that limits what is typed
        field->setText(text);
    emit field->editingFinished();
}

void setValue(const QList<QWidget*>& windows, const QString& name, const decay::LessonControl& known, const std::string& value)
{
    if (QTableWidgetItem* cell = memberAmount(windows, name)) {
        cell->setText(look::qtext(decay::shownEntry(value, look::decimalPoint(*windows.front()))));
        return;
    }
    if (QListWidgetItem* check = memberCheck(windows, name)) {
        check->setCheckState(value == "true" ? Qt::Checked : Qt::Unchecked);
        return;
    }
    QWidget* widget = control(windows, name);
    if (!widget)
        return;
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        type(field, look::qtext(known.kind == ControlKind::Entry ? decay::shownEntry(value, look::decimalPoint(*widget)) : value));
    else if (auto* box = qobject_cast<QComboBox*>(widget)) {
        const int index = [&] {
            for (int i = 0; i < box->count(); ++i)
                if (choiceKey(*box, i, known) == look::qtext(value))
                    return i;
            return -1;
        }();
        if (index >= 0)
            box->setCurrentIndex(index);
        else if (auto* lab = qobject_cast<NuclideLab*>(box->window()); lab && box == lab->cboNuclide)
            lab->showChainOf(look::qtext(value)); // a chain the list offers once it is asked for
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (known.kind == ControlKind::Check || value == "true") // an option is chosen, never unchosen
            button->setChecked(value == "true");
    }
}

const std::string* valueIn(const std::vector<std::pair<std::string, std::string>>& setup, std::string_view name)
{
    for (const auto& [key, value] : setup)
        if (key == name)
            return &value;
    return nullptr;
}

// Entries that the windows compute from another one: typed only where the set-up gives the other not.
bool derived(const std::vector<std::pair<std::string, std::string>>& setup, std::string_view name)
{
    const auto given = [&](const char* other) {
        const std::string* value = valueIn(setup, other);
        return value && !value->empty();
    };
    return (name == "txtHalfLife" && given("txtRate")) || (name == "halftime" && given("rrate"));
}

// The controls that choose the lab's chain, whose members' entries come with it.
bool choosesChain(const QString& name)
{
    return name == QLatin1String("cboNuclide") || name == QLatin1String("txtThreshold");
}

QWidget* labelOf(QWidget* window, QWidget* field)
{
    for (QFormLayout* form : window->findChildren<QFormLayout*>())
        if (QWidget* label = form->labelForField(field))
            return label;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == field)
            return label;
    return nullptr;
}

// Keeps a window's ruled controls as the lesson rules them, whatever the window does with them
// later, and checks the ranges of its entries.
class RuleKeeper : public QObject {
public:
    RuleKeeper(QWidget* window, decay::Lesson lesson, Platform& platform)
        : QObject(window), m_window(window), m_lesson(std::move(lesson)), m_platform(platform)
    {
    }

    void lock(QWidget* widget)
    {
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            // Read-only, so that its number can still be selected and copied; greyed, so that it
            // looks as fixed as it is.
            field->setReadOnly(true);
            QPalette greyed = field->palette();
            greyed.setColor(QPalette::Base, greyed.color(QPalette::Window));
            field->setPalette(greyed);
            field->setToolTip(PartControls::tr("locked by the lesson"));
            field->setAccessibleDescription(field->toolTip());
            return;
        }
        widget->setEnabled(false);
        m_locked.append(widget);
        widget->installEventFilter(this);
    }

    void hide(QWidget* widget)
    {
        widget->hide();
        m_hidden.append(widget);
        widget->installEventFilter(this);
        if (QWidget* label = labelOf(m_window, widget)) {
            label->hide();
            m_hidden.append(label);
            label->installEventFilter(this);
        }
    }

    void range(QLineEdit* field)
    {
        m_last.insert(field, field->text());
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::EnabledChange:
            if (m_locked.contains(widget) && widget->isEnabled())
                widget->setEnabled(false);
            break;
        case QEvent::ShowToParent:
            if (m_hidden.contains(widget))
                QTimer::singleShot(0, widget, &QWidget::hide);
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_last.contains(widget))
                return !accepted(static_cast<QLineEdit*>(widget));
            break;
        }
        case QEvent::FocusOut:
            if (m_last.contains(widget))
                accepted(static_cast<QLineEdit*>(widget));
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Whether the entry is within its range; if not, says why and takes the last value back.
    bool accepted(QLineEdit* field)
    {
        const decay::Message refusal = decay::rangeRefusal(m_lesson, field->objectName().toStdString(), look::text(field),
                                                           look::decimalPoint(*field));
        if (refusal.empty()) {
            m_last[field] = field->text();
            return true;
        }
        const QString last = m_last.value(field);
        m_platform.showError(m_window, m_window->windowTitle(), modelText(refusal));
        field->selectAll();
        field->insert(last);
        return false;
    }

    QWidget* m_window;
    const decay::Lesson m_lesson; // its own copy: the window may outlive the lesson panel
    Platform& m_platform;
    QList<QWidget*> m_locked;
    QList<QWidget*> m_hidden;
    QHash<QWidget*, QString> m_last; // the last value within its range
};

QWidget* windowOf(const QList<QWidget*>& windows, QWidget* widget)
{
    for (QWidget* window : windows)
        if (window == widget || window->isAncestorOf(widget))
            return window;
    return windows.front();
}

} // namespace

QWidget* control(const QList<QWidget*>& windows, const QString& name)
{
    for (QWidget* window : windows)
        if (auto* found = window->findChild<QWidget*>(name))
            return found;
    return nullptr;
}

QStringList controlNames(const QList<QWidget*>& windows, decay::LessonPart part)
{
    QStringList names;
    for (const decay::LessonControl& c : decay::lessonControls(part)) {
        const QString name = QString::fromLatin1(c.name.data(), static_cast<qsizetype>(c.name.size()));
        if (!name.endsWith(QLatin1Char('#'))) {
            if (control(windows, name))
                names.append(name);
            continue;
        }
        for (int member = 1; member < 1000; ++member) {
            const QString one = name.chopped(1) + QString::number(member);
            if (!control(windows, one) && !memberAmount(windows, one) && !memberCheck(windows, one))
                break;
            names.append(one);
        }
    }
    return names;
}

std::vector<std::pair<std::string, std::string>> readSetup(const QList<QWidget*>& windows, decay::LessonPart part)
{
    std::vector<std::pair<std::string, std::string>> setup;
    for (const QString& name : controlNames(windows, part)) {
        const decay::LessonControl* c = decay::lessonControl(part, name.toStdString());
        if (!c || c->kind == ControlKind::Command)
            continue;
        if (const auto value = valueOf(windows, name, *c))
            setup.emplace_back(name.toStdString(), *value);
    }
    return setup;
}

void applySetup(const QList<QWidget*>& windows, decay::LessonPart part, const std::vector<std::pair<std::string, std::string>>& setup)
{
    const auto apply = [&](const QString& name) {
        const std::string key = name.toStdString();
        const std::string* value = valueIn(setup, key);
        const decay::LessonControl* c = decay::lessonControl(part, key);
        if (value && c && !derived(setup, key))
            setValue(windows, name, *c, *value);
    };
    for (const QString& name : controlNames(windows, part))
        if (choosesChain(name))
            apply(name);
    for (const QString& name : controlNames(windows, part))
        if (!choosesChain(name))
            apply(name);
}

void applyRules(const QList<QWidget*>& windows, const decay::Lesson& lesson, std::uint64_t seed, Platform& platform)
{
    QHash<QWidget*, RuleKeeper*> keepers;
    const auto keeper = [&](QWidget* widget) {
        QWidget* window = windowOf(windows, widget);
        if (!keepers.contains(window))
            keepers.insert(window, new RuleKeeper(window, lesson, platform));
        return keepers.value(window);
    };
    if (lesson.part == decay::LessonPart::Experiment)
        if (auto* seedField = qobject_cast<QLineEdit*>(control(windows, QStringLiteral("txtSeed")))) {
            type(seedField, QString::number(seed));
            keeper(seedField)->lock(seedField);
            if (QWidget* newSeed = control(windows, QStringLiteral("cmdNewSeed")))
                keeper(newSeed)->lock(newSeed);
        }
    if (lesson.part == decay::LessonPart::Run)
        return; // the designed windows take entries only
    for (const decay::ControlRule& rule : lesson.controls) {
        QStringList names{look::qtext(rule.name)};
        if (rule.name.ends_with('#')) {
            names.clear();
            for (const QString& name : controlNames(windows, lesson.part))
                if (name.startsWith(look::qtext(rule.name).chopped(1)) && decay::lessonControl(lesson.part, name.toStdString()))
                    names.append(name);
        }
        for (const QString& name : names) {
            QWidget* widget = control(windows, name);
            if (!widget)
                continue;
            switch (rule.use) {
            case ControlUse::Open: break;
            case ControlUse::Locked: keeper(widget)->lock(widget); break;
            case ControlUse::Hidden: keeper(widget)->hide(widget); break;
            case ControlUse::Range:
                if (auto* field = qobject_cast<QLineEdit*>(widget))
                    keeper(widget)->range(field);
                break;
            }
        }
    }
}

} // namespace partcontrols
