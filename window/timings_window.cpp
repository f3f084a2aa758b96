// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timings_window.h"

#include "form_texts.h"

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

// The chart is a picture to a screen reader, which reads its description.
QAccessibleInterface* chartAccessible(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && object->objectName() == QLatin1StringView(chartName))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

// The logic's table as Qt's table view reads it: the intervals as row headings, the sides as
// column headings, a cell as the time label showed it, or nothing.
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
        return parent.isValid() ? 0 : form::sideCount;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole)
            return fromUtf8(table_.cellText(index.row(), index.column()));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return fromUtf8(orientation == Qt::Horizontal ? form::TimingTable::columnHeading(section)
                                                      : form::TimingTable::rowHeading(section));
    }
    void changed()
    {
        Q_EMIT dataChanged(index(0, 0), index(form::intervalCount - 1, form::sideCount - 1));
    }

private:
    const form::TimingTable& table_;
};

// The logic's chart drawn with QPainter, its box scaled uniformly into the widget and centred.
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
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
        setMinimumSize(static_cast<int>(form::Chart::width), static_cast<int>(form::Chart::height));
        // Reached with Tab, so that a screen reader reads its description.
        setFocusPolicy(Qt::StrongFocus);
        refresh();
    }

    void refresh()
    {
        chart_ = form::timingChart(table_);
        setAccessibleName(QString::fromUtf8(texts::measurementsTitle));
        setAccessibleDescription(fromUtf8(chart_.description));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double scale = std::min(width() / form::Chart::width, height() / form::Chart::height);
        painter.translate((width() - scale * form::Chart::width) / 2,
            (height() - scale * form::Chart::height) / 2);
        painter.scale(scale, scale);
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
        QFont font = this->font();
        font.setPixelSize(static_cast<int>(form::Chart::textSize));
        painter.setFont(font);
        painter.setPen(Qt::black);
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
    tableView_->setAccessibleName(QString::fromUtf8(texts::measurementsTitle));
    tableView_->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the chart, as between any two controls; the arrows move in it.
    tableView_->setTabKeyNavigation(false);
    tableView_->setCornerButtonEnabled(false);
    tableView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tableView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableView_->installEventFilter(this);
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
    // Wide enough for every heading of the table in full, the columns alike.
    int widest = 0;
    for (int side = 0; side < form::sideCount; ++side)
        widest = std::max(widest, tableView_->horizontalHeader()->sectionSizeHint(side));
    const int tableWidth = tableView_->verticalHeader()->sizeHint().width()
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

// Ctrl+C in the table: the whole table, as a spreadsheet pastes it.
bool TimingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tableView_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(fromUtf8(table_.tabSeparated()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
