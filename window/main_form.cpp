// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_form.h"

#include "app_info.h"
#include "controls.h"
#include "form_texts.h"
#include "measured_time.h"
#include "stored_primes.h"
#include "trial_division.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QUrl>

#include <algorithm>
#include <span>
#include <string>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The design works in twips; 15 of them make one device-independent pixel, so Qt's own
// high-DPI scaling enlarges the whole window evenly.
constexpr int twipsPerPixel = 15;
constexpr int pixels(int twips) { return twips / twipsPerPixel; }

constexpr int clientWidth = 6915;
constexpr int clientHeight = 5175;

constexpr QRgb system = 0; // no colour of its own: the system's colours for that kind of control
constexpr QRgb none = 1; // no background of its own: black on whatever its container shows
constexpr QRgb lightBlue = qRgb(192, 192, 255);
constexpr QRgb lightOrange = qRgb(255, 192, 128);
constexpr QRgb lightCyan = qRgb(128, 255, 255);
constexpr QRgb pink = qRgb(255, 128, 255);

// The control array a control belongs to; its kind follows from it: Text1 text boxes, Label1
// and Label2 labels, List1 and List2 list boxes, Option1 and Option2 option buttons. Frame1 and
// Frame2 are single frames, not arrays.
enum class Name { Text1, Label1, List1, List2, Frame1, Frame2, Option1, Option2, Label2 };
constexpr const char* names[]
    = { "Text1", "Label1", "List1", "List2", "Frame1", "Frame2", "Option1", "Option2", "Label2" };

enum class Container { Window, Frame1, Frame2 };

struct ControlRow {
    int tabIndex; // -1: not in the tab order
    Name name;
    int index; // in its control array
    Container container;
    int left, top, width, height; // twips, from the container's top-left corner
    QRgb background;
    bool visible;
    const char* text; // nullptr for the lists
};

// Controls are made row by row, so each frame comes before the option buttons it holds.
// clang-format off
constexpr ControlRow design[] = {
//   tab  name          index container          Left  Top   Width Height background  visible text
    { 0,  Name::Text1,   0, Container::Window, 120, 2880, 6735, 2175, system,      true,  texts::taskStatement },
    { 1,  Name::Text1,   1, Container::Window, 600, 3240, 6735, 1815, system,      false, texts::quotation },
    { 2,  Name::Label1,  0, Container::Window, 840,    0, 5295,  375, lightOrange, true,  texts::title },
    { 3,  Name::List1,   0, Container::Window, 2520, 840, 1815,  915, system,      true,  nullptr },
    { 4,  Name::Frame1,  0, Container::Window, 240,  840, 2055, 2055, lightBlue,   true,  "Frame1" },
    { 5,  Name::Option1, 0, Container::Frame1, 120,  120, 1815,  375, lightCyan,   true,  texts::intervalCaptions[0] },
    { 6,  Name::Option1, 1, Container::Frame1, 120,  600, 1815,  375, lightCyan,   true,  texts::intervalCaptions[1] },
    { 7,  Name::Option1, 2, Container::Frame1, 120, 1080, 1815,  375, lightCyan,   true,  texts::intervalCaptions[2] },
    { 8,  Name::Option1, 3, Container::Frame1, 120, 1560, 1815,  375, lightCyan,   true,  texts::intervalCaptions[3] },
    { 9,  Name::List2,   0, Container::Window, 2640, 2760, 735, 1770, system,      false, nullptr },
    { 10, Name::List2,   1, Container::Window, 3360, 2760, 735, 1770, system,      false, nullptr },
    { 11, Name::List2,   2, Container::Window, 4200, 2760, 735, 1770, system,      false, nullptr },
    { 12, Name::List2,   3, Container::Window, 5040, 2760, 735, 1770, system,      false, nullptr },
    { 13, Name::Label1,  1, Container::Window, 360,  480, 1815,  375, lightOrange, true,  texts::intervalHeading },
    { 14, Name::Label1,  2, Container::Window, 2520, 480, 1815,  375, lightOrange, true,  texts::storedHeading },
    { 15, Name::List1,   1, Container::Window, 4800, 840, 1695,  915, system,      true,  nullptr },
    { 16, Name::Label1,  3, Container::Window, 4800, 480, 1695,  375, lightOrange, true,  texts::computedHeading },
    { 17, Name::Frame2,  0, Container::Window, 2520, 2280, 4215, 495, lightBlue,   true,  "Frame2" },
    { 18, Name::Option2, 0, Container::Frame2, 120,  120, 1215,  375, pink,        true,  texts::methodCaptions[0] },
    { 19, Name::Option2, 1, Container::Frame2, 1440, 120, 1215,  375, pink,        true,  texts::methodCaptions[1] },
    { 20, Name::Option2, 2, Container::Frame2, 2760, 120, 1335,  375, pink,        true,  texts::methodCaptions[2] },
    { 21, Name::Label1,  4, Container::Window, 3600, 1920, 1815, 375, lightOrange, true,  texts::methodHeading },
};
// clang-format on

// The rows are the tab order: the window's Tab stops follow the table.
constexpr bool inTabOrder(std::span<const ControlRow> rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].tabIndex != static_cast<int>(i))
            return false;
    }
    return true;
}
static_assert(inTabOrder(design), "the design table lists its controls in tab order");

// Added to the design: the measured time of each side, centred under its list in the free band
// between the lists and Frame2, on either side of the heading "Алгоритъм". No tab stop; hidden
// until the first interval click, so that the window opens as designed.
// clang-format off
constexpr ControlRow timeDesign[] = {
//   tab  name          index container          Left  Top   Width Height background  visible text
    { -1, Name::Label2,  0, Container::Window, 2520, 1905, 1065, 375, none,        false, "" },
    { -1, Name::Label2,  1, Container::Window, 5430, 1905, 1065, 375, none,        false, "" },
};
// clang-format on

// Fixed light backgrounds keep dark text, so they stay readable under a dark desktop theme.
void setBackground(QWidget* widget, QRgb background)
{
    if (background == system)
        return;
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), Qt::black);
    if (background != none)
        palette.setColor(widget->backgroundRole(), QColor(background));
    widget->setPalette(palette);
    widget->setAutoFillBackground(background != none);
}

// The time `work` takes on the monotonic clock, in nanoseconds.
template <typename Work> qint64 nanosecondsOf(Work&& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed();
}

// The name the design gives a control: "Option1(2)" in a control array, "Frame1" for a frame.
QString designName(const ControlRow& row)
{
    const QString name = QString::fromLatin1(names[static_cast<std::size_t>(row.name)]);
    if (row.name == Name::Frame1 || row.name == Name::Frame2)
        return name;
    return name % u'(' % QString::number(row.index) % u')';
}

QLabel* makeLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

QFont MainForm::designFont() { return QFont(u"Times New Roman"_s, 12); }

MainForm::MainForm(QWidget* parent)
    : QWidget(parent)
{
    createControls();
    Form_Load();
    connectControls();
}

void MainForm::createControls()
{
    setWindowTitle(QUrl(QString::fromUtf8(appinfo::homepage)).host()
        % QString::fromUtf8(texts::titleSeparator) % QString::fromUtf8(texts::windowTitleEnd));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(pixels(clientWidth), pixels(clientHeight));
    setBackground(this, lightBlue);

    const auto create = [this](const ControlRow& row) {
        QWidget* parent = this;
        if (row.container == Container::Frame1)
            parent = Frame1;
        else if (row.container == Container::Frame2)
            parent = Frame2;
        const QString text = row.text ? QString::fromUtf8(row.text) : QString();
        const auto i = static_cast<std::size_t>(row.index);
        QWidget* control = nullptr;
        switch (row.name) {
        case Name::Text1:
            control = Text1.at(i) = new TextBox(parent);
            Text1.at(i)->setText(text);
            break;
        case Name::Label1:
            control = Label1.at(i) = makeLabel(text, parent);
            break;
        case Name::List1:
            control = List1.at(i) = new ListBox(parent);
            break;
        case Name::List2:
            control = List2.at(i) = new StoredList(primes::storedPrimes(i), parent);
            break;
        case Name::Frame1:
            control = Frame1 = new GroupFrame(parent);
            break;
        case Name::Frame2:
            control = Frame2 = new GroupFrame(parent);
            break;
        case Name::Option1:
            control = Option1.at(i) = new OptionButton(text, parent);
            break;
        case Name::Option2:
            control = Option2.at(i) = new OptionButton(text, parent);
            break;
        case Name::Label2:
            control = Label2.at(i) = makeLabel(text, parent);
            Label2.at(i)->setAlignment(Qt::AlignCenter);
            break;
        }
        control->setObjectName(designName(row));
        control->setGeometry(
            pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
        setBackground(control, row.background);
        control->setVisible(row.visible);
        tabOrder_.append(control);
    };
    for (const ControlRow& row : design)
        create(row);
    for (const ControlRow& row : timeDesign)
        create(row);
    Option2[2]->setChecked(true);
    describeForScreenReaders();
}

// Names and descriptions for screen readers. Buttons and labels are announced by their
// captions; the lists and the groups by the headings above them, which also become their
// labels; the hidden controls get nothing, as no one can reach them.
void MainForm::describeForScreenReaders()
{
    const auto utf8 = [](const char* text) { return QString::fromUtf8(text); };
    Text1[0]->setAccessibleName(utf8(texts::spoken::textBoxName));
    Text1[0]->setAccessibleDescription(utf8(texts::spoken::textBoxDescription));

    const std::pair<QWidget*, QLabel*> labelled[] = { { List1[0], Label1[2] },
        { List1[1], Label1[3] }, { Frame1, Label1[1] }, { Frame2, Label1[4] } };
    for (const auto& [control, heading] : labelled) {
        control->setAccessibleName(heading->text());
        heading->setBuddy(control);
    }
    List1[0]->setAccessibleDescription(utf8(texts::spoken::storedListDescription));
    List1[1]->setAccessibleDescription(utf8(texts::spoken::computedListDescription));
    Frame1->setAccessibleDescription(utf8(texts::spoken::intervalGroupDescription));
    Frame2->setAccessibleDescription(utf8(texts::spoken::methodGroupDescription));

    for (std::size_t i = 0; i < Option1.size(); ++i)
        Option1[i]->setAccessibleDescription(utf8(texts::spoken::intervalDescriptions[i]));
    for (std::size_t i = 0; i < Option2.size(); ++i)
        Option2[i]->setAccessibleDescription(utf8(texts::spoken::methodDescriptions[i]));
}

void MainForm::connectControls()
{
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        connect(Option1[i], &QAbstractButton::clicked, this,
            [this, i] { Option1_Click(static_cast<std::int16_t>(i)); });
    }
    for (std::size_t i = 0; i < Option2.size(); ++i) {
        connect(Option2[i], &QAbstractButton::clicked, this,
            [this, i] { Option2_Click(static_cast<std::int16_t>(i)); });
    }
    for (std::size_t i = 0; i < List1.size(); ++i) {
        connect(List1[i], &ListBox::rowSelected, this,
            [this, i] { List1_Click(static_cast<std::int16_t>(i)); });
    }
}

// Tab visits the controls in the design's tab order; a group of option buttons is one stop,
// entered at its chosen button (at its first while none is chosen). This alone decides where Tab
// goes: Qt's own handling of radio groups, which moves Qt::TabFocus among a group's buttons as they
// take the focus, is not consulted, so a button chosen from code is still its group's stop.
QList<QWidget*> MainForm::tabStops() const
{
    QList<QWidget*> stops;
    for (QWidget* control : tabOrder_) {
        if (!control->isVisibleTo(this) || control->focusPolicy() == Qt::NoFocus)
            continue;
        if (auto* option = qobject_cast<OptionButton*>(control)) {
            const auto group
                = option->parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
            const auto chosen = std::find_if(
                group.begin(), group.end(), [](const OptionButton* b) { return b->isChecked(); });
            if (option != (chosen != group.end() ? *chosen : group.first()))
                continue;
        }
        stops.append(control);
    }
    return stops;
}

bool MainForm::focusNextPrevChild(bool next)
{
    const QList<QWidget*> stops = tabStops();
    if (stops.isEmpty())
        return false;
    const QWidget* focused = focusWidget();
    qsizetype at = stops.indexOf(focused);
    if (at < 0 && focused) {
        // An option button that is not its group's stop: move on from the group's stop.
        at = std::find_if(stops.begin(), stops.end(), [focused](const QWidget* stop) {
            return stop->parentWidget() == focused->parentWidget()
                && qobject_cast<const OptionButton*>(stop);
        }) - stops.begin();
    }
    const qsizetype count = stops.size();
    // From outside every stop (nothing focused yet), Tab reaches the first and Shift+Tab the last.
    if (at < 0 || at == count)
        at = next ? -1 : count;
    stops.at(((at + (next ? 1 : -1)) % count + count) % count)
        ->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void MainForm::Form_Load()
{
    MethodIndex = 2;
    IntervalIndex = -1;
}

void MainForm::Option1_Click(std::int16_t Index)
{
    IntervalIndex = Index;
    std::int16_t n = 0;
    measured_.storedNanoseconds = nanosecondsOf([&] {
        List1[0]->clear();
        const StoredList* stored = List2.at(static_cast<std::size_t>(Index));
        n = static_cast<std::int16_t>(stored->count());
        QStringList rows;
        rows.reserve(n);
        for (int i = 0; i < n; ++i)
            rows.append(stored->text(i));
        List1[0]->addItems(rows);
    });
    const QString summary = QString::fromUtf8(texts::summaryBefore)
        % QString::fromUtf8(texts::intervalCaptions[static_cast<std::size_t>(Index)])
        % QString::fromUtf8(texts::summaryBetween) % QString::number(n);
    Text1[0]->setText(summary % QString::fromUtf8(texts::lineEnd));
    measured_.computedNanoseconds = nanosecondsOf([this] { FindPrimes(); });
    showMeasured();
    // The result changes away from the focus: have it read out once (Qt 6.8 and later).
    announce(this,
        summary % QString::fromUtf8(texts::spoken::announcedStored) % Label2[0]->text()
            % QString::fromUtf8(texts::spoken::announcedComputed) % Label2[1]->text()
            % QString::fromUtf8(texts::spoken::announcedEnd));
}

void MainForm::Option2_Click(std::int16_t Index) { MethodIndex = Index; }

void MainForm::List1_Click(std::int16_t Index)
{
    if (List1[0]->count() < 2 || IntervalIndex < 0)
        return;
    const int row = List1.at(static_cast<std::size_t>(Index))->selectedRow();
    List1[0]->setSelectedRow(row);
    List1[1]->setSelectedRow(row);
}

void MainForm::FindPrimes()
{
    List1[1]->clear();
    const primes::Search found = primes::findPrimes(IntervalIndex, MethodIndex);
    QStringList rows;
    for (const std::int16_t prime : found.primes)
        rows.append(QString::number(prime));
    List1[1]->addItems(rows);
    measured_.remainderOperations = found.remainderOperations;
}

// Both labels change within the click's handler, so they appear in the same repaint as the lists.
void MainForm::showMeasured()
{
    const auto utf8 = [](const std::string& text) { return QString::fromStdString(text); };
    const QString descriptions[] = {
        QString::fromUtf8(texts::spoken::storedTimeDescription),
        QString::fromUtf8(texts::spoken::computedTimeBefore)
            % QString::fromUtf8(texts::methodCaptions[static_cast<std::size_t>(MethodIndex)])
            % u": " % utf8(measured::countText(measured_.remainderOperations))
            % QString::fromUtf8(texts::spoken::computedTimeAfter),
    };
    const qint64 nanoseconds[] = { measured_.storedNanoseconds, measured_.computedNanoseconds };
    for (std::size_t i = 0; i < Label2.size(); ++i) {
        QLabel* label = Label2[i];
        label->setText(utf8(measured::durationText(nanoseconds[i])));
        label->setAccessibleName(label->text());
        label->setAccessibleDescription(descriptions[i]);
        label->setToolTip(descriptions[i]);
        label->show();
    }
}
