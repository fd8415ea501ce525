#include "worksheets/classresultsview.h"

#include "results/sharechart.h"

#include <QPainter>

namespace {
enum Column { PupilColumn, FinishedColumn, ScoreColumn, ColumnCount };
} // namespace

void AttemptsTable::setAttempts(const QList<Attempt> *attempts)
{
    beginResetModel();
    m_attempts = attempts;
    endResetModel();
}

int AttemptsTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_attempts ? 0 : int(m_attempts->size());
}

int AttemptsTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AttemptsTable::data(const QModelIndex &index, int role) const
{
    if (!m_attempts || !index.isValid() || index.row() >= m_attempts->size())
        return {};
    const Attempt &attempt = m_attempts->at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == ScoreColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case PupilColumn:
        return attempt.pupil;
    case FinishedColumn:
        return attempt.finishedShown();
    case ScoreColumn:
        return role == Qt::AccessibleTextRole
                   ? QStringLiteral("%1 out of %2").arg(attempt.score).arg(Attempt::outOf)
                   : QString::number(attempt.score);
    default:
        return {};
    }
}

QVariant AttemptsTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case PupilColumn:
        return QStringLiteral("Pupil");
    case FinishedColumn:
        return QStringLiteral("Finished");
    case ScoreColumn:
        return QStringLiteral("Score");
    default:
        return {};
    }
}

ShareChartView::ShareChartView(QWidget *parent) : QWidget(parent)
{
    // Reached by Tab, so a screen reader reads the figures the bars show.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Chart: pupils who got each question right"));
}

void ShareChartView::setResults(const ClassResults *results)
{
    m_results = results;
    setAccessibleDescription(results ? results->shareLines().join(QStringLiteral(". "))
                                     : QString());
    update();
}

void ShareChartView::paintEvent(QPaintEvent *)
{
    if (!m_results)
        return;
    QPainter painter(this);
    sharechart::paint(painter, rect(), *m_results);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 2, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
