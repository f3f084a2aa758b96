// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timings_window.h"

#include "accessibility.h"
#include "form_texts.h"
#include "keyboard.h"
#include "screen_reader.h"

#include <QAbstractTableModel>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

QColor colour(std::uint32_t rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

constexpr auto chartName = "chart";

// The keys «Измервания» knows (form::measurementsKey); the copy as the platform spells it.
form::Key keyOf(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::Copy))
        return form::Key::C;
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return form::Key::Tab;
    case Qt::Key_Escape:
        return form::Key::Escape;
    case Qt::Key_C:
        return form::Key::C;
    default:
        return form::Key::Other;
    }
}

form::Modifiers modifiersOf(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::Copy))
        return { false, true, false, false };
    const Qt::KeyboardModifiers held = event.modifiers();
    return { held.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
        held.testFlag(Qt::ControlModifier), held.testFlag(Qt::AltModifier),
        held.testFlag(Qt::MetaModifier) };
}

void setSpoken(QWidget* widget, const form::Spoken& spoken)
{
    widget->setAccessibleName(fromUtf8(spoken.name));
    widget->setAccessibleDescription(fromUtf8(spoken.description));
}

// The chart is a picture to a screen reader, which reads its description.
QAccessibleInterface* chartAccessible(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && object->objectName() == QLatin1StringView(chartName))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

// The logic's table as Qt's table view reads it: the intervals in the first column, under the
// logic's heading row, a cell as the time label showed it, or nothing.
class TimingModel : public QAbstractTableModel {
public:
    TimingModel(const form::TimingTable& table, QObject* parent)
        : QAbstractTableModel(parent)
        , table_(table)
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : form::intervalCount;
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : form::TimingTable::shownColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole)
            return fromUtf8(table_.shownText(index.row(), index.column()));
        if (role == Qt::TextAlignmentRole) // the times line up by their units
            return QVariant::fromValue(
                (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return {};
        return fromUtf8(form::TimingTable::heading(section));
    }
    void changed()
    {
        Q_EMIT dataChanged(
            index(0, 0), index(form::intervalCount - 1, form::TimingTable::shownColumns - 1));
    }

private:
    const form::TimingTable& table_;
};

// The logic's chart drawn with QPainter, where and as the logic says.
class ChartView : public QWidget {
public:
    ChartView(const form::TimingTable& table, QWidget* parent)
        : QWidget(parent)
        , table_(table)
    {
        static const bool pictureRole = [] {
            QAccessible::installFactory(chartAccessible);
            return true;
        }();
        Q_UNUSED(pictureRole);
        setObjectName(QLatin1StringView(chartName));
        setAutoFillBackground(true);
        QPalette background = palette();
        background.setColor(QPalette::Window, colour(form::Chart::background));
        setPalette(background);
        setMinimumSize(static_cast<int>(form::Chart::width), static_cast<int>(form::Chart::height));
        // Reached with Tab, so that a screen reader reads its description.
        setFocusPolicy(Qt::StrongFocus);
        refresh();
    }

    void refresh()
    {
        chart_ = form::timingChart(table_);
        setSpoken(this, form::spoken(form::MeasurementsPart::Chart, chart_));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const form::ChartFit fit = form::fitChart(width(), height());
        painter.translate(fit.left, fit.top);
        painter.scale(fit.scale, fit.scale);
        for (const form::ChartPath& path : chart_.paths) {
            QPolygonF polygon;
            for (const form::ChartPoint& p : path.points)
                polygon << QPointF(p.x, p.y);
            painter.setPen(QPen(colour(path.stroke), path.strokeWidth));
            if (path.closed) {
                painter.setBrush(path.fill ? QBrush(colour(*path.fill)) : QBrush());
                painter.drawPolygon(polygon);
            } else {
                painter.drawPolyline(polygon);
            }
        }
        QFont font(QString::fromUtf8(form::Chart::fontName));
        font.setPixelSize(static_cast<int>(form::Chart::textSize));
        painter.setFont(font);
        painter.setPen(colour(form::Chart::textColour));
        const QFontMetricsF metrics(font);
        for (const form::ChartText& text : chart_.texts) {
            const QString words = fromUtf8(text.text);
            const double advance = metrics.horizontalAdvance(words);
            double x = text.at.x;
            if (text.anchor == form::ChartText::Anchor::Middle)
                x -= advance / 2;
            else if (text.anchor == form::ChartText::Anchor::End)
                x -= advance;
            painter.drawText(
                QPointF(x, text.at.y + (metrics.ascent() - metrics.descent()) / 2), words);
        }
    }

private:
    const form::TimingTable& table_;
    form::Chart chart_;
};

TimingsWindow::TimingsWindow(const form::TimingTable& table, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , table_(table)
    , model_(new TimingModel(table, this))
    , tableView_(new QTableView(this))
    , chart_(new ChartView(table, this))
{
    setWindowTitle(QString::fromUtf8(texts::measurementsTitle));
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    tableView_->setModel(model_);
    setSpoken(tableView_, form::spoken(form::MeasurementsPart::Table, {}));
    tableView_->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the chart, as between any two controls; the arrows move in it.
    tableView_->setTabKeyNavigation(false);
    tableView_->verticalHeader()->hide();
    tableView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tableView_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tableView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableView_->installEventFilter(this);
    chart_->installEventFilter(this);
    // The table as tall as its rows, the chart taking the rest.
    tableView_->setFixedHeight(tableView_->horizontalHeader()->sizeHint().height()
        + form::intervalCount * tableView_->verticalHeader()->defaultSectionSize()
        + 2 * tableView_->frameWidth());
    tableView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tableView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tableView_);
    layout->addWidget(chart_, 1);
    setTabOrder(tableView_, chart_);
    // Wide enough for the intervals and every heading of the table in full, the sides' columns
    // alike.
    int widest = 0;
    for (int column = 1; column < form::TimingTable::shownColumns; ++column)
        widest = std::max(widest, tableView_->horizontalHeader()->sectionSizeHint(column));
    const int tableWidth = std::max(tableView_->horizontalHeader()->sectionSizeHint(0),
                               static_cast<QAbstractItemView*>(tableView_)->sizeHintForColumn(0))
        + form::sideCount * (widest + 8) + 2 * tableView_->frameWidth();
    resize(std::max(sizeHint().width(),
               tableWidth + layout->contentsMargins().left() + layout->contentsMargins().right()),
        sizeHint().height());
}

QWidget* TimingsWindow::chartView() const { return chart_; }

void TimingsWindow::refresh()
{
    model_->changed();
    chart_->refresh();
}

void TimingsWindow::open()
{
    show();
    raise();
    if (form::measurementsTakeFocus) {
        activateWindow();
        tableView_->setFocus(Qt::OtherFocusReason);
    }
}

// Every key pressed in the table or the chart: the logic decides (form::measurementsKey).
bool TimingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched != tableView_ && watched != chart_) || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    const form::MeasurementsAction action = form::measurementsKey(keyOf(key), modifiersOf(key),
        watched == chart_ ? form::MeasurementsPart::Chart : form::MeasurementsPart::Table,
        form::MeasurementsPlace::Window);
    switch (action.kind) {
    case form::MeasurementsAction::Kind::Copy:
        copy();
        return true;
    case form::MeasurementsAction::Kind::Focus:
        (action.target == form::MeasurementsPart::Chart ? static_cast<QWidget*>(chart_)
                                                        : tableView_)
            ->setFocus(modifiersOf(key).shift ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    case form::MeasurementsAction::Kind::Leave:
        close();
        return true;
    case form::MeasurementsAction::Kind::None:
    case form::MeasurementsAction::Kind::Form:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// The clipboard is read back: a system that refused the text leaves something else there.
void TimingsWindow::copy()
{
    const QString text = fromUtf8(table_.clipboardText());
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    announceToScreenReaders(tableView_,
        QString::fromUtf8(clipboard->text() == text ? texts::tableCopied : texts::tableNotCopied));
}
