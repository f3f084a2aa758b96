// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// «Измервания», the second window: every measurement of the window's life in a table and a chart
// (form/timing_table.h, form/chart.h). MainForm makes it on first use, not at start, and refreshes
// it after each interval click while it exists. It reads the logic's table and keeps no copy.

#include "chart.h"
#include "timing_table.h"

#include <QWidget>

class QTableView;
class TimingModel;
class ChartView;

class TimingsWindow : public QWidget {
    Q_OBJECT
public:
    TimingsWindow(const form::TimingTable& table, QWidget* parent);

    // Shown in front, taking the focus as the logic says (form::measurementsTakeFocus).
    void open();
    // The table changed: both views show it anew.
    void refresh();

    QTableView* tableView() const { return tableView_; }
    QWidget* chartView() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copy();

    const form::TimingTable& table_;
    TimingModel* model_;
    QTableView* tableView_;
    ChartView* chart_;
};
