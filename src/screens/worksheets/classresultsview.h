#pragma once

#include "results/classresults.h"

#include <QAbstractTableModel>
#include <QWidget>

// The attempts of a set as a table a screen reader walks cell by cell: pupil, finished, score.
class AttemptsTable : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setAttempts(const QList<Attempt> *attempts);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QList<Attempt> *m_attempts = nullptr;
};

// The chart of the questions, drawn as it prints; its figures are its spoken description.
class ShareChartView : public QWidget
{
    Q_OBJECT
public:
    explicit ShareChartView(QWidget *parent);
    void setResults(const ClassResults *results);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ClassResults *m_results = nullptr;
};
