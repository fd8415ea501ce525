#pragma once

#include "desktop/account.h"

#include <QString>

class QSettings;

// What the technician set for the classroom, under [Classroom] in the system-wide settings.
struct ClassroomSettings
{
    QString teacherGroup; // empty: everyone is a teacher
    bool pupilsShareAccount = false;

    static ClassroomSettings read(QSettings &settings);
    // /etc/xdg/zorvanel/zorvanel.conf, or where XDG_CONFIG_DIRS points.
    static ClassroomSettings system();
};

// Who is at the keyboard, and what that allows.
class Classroom
{
public:
    enum class Role { Teacher, Pupil };

    // Everyone a teacher, known by the account: as a desktop without settings has it.
    Classroom() = default;
    Classroom(const ClassroomSettings &settings, const Account &account);

    Role role() const { return m_role; }
    bool isTeacher() const { return m_role == Role::Teacher; }
    // The name results are recorded under; empty until a pupil sharing an account gives it.
    QString pupilName() const { return m_pupilName; }
    // A pupil on a shared account is asked their name before the first quiz.
    bool needsPupilName() const { return m_pupilName.isEmpty(); }
    void setPupilName(const QString &name) { m_pupilName = name.simplified(); }

    // Why a pupil may not do what only a teacher does.
    static const QString teachersOnly;

private:
    Role m_role = Role::Teacher;
    QString m_pupilName = QStringLiteral("Teacher");
};

// Whether a typed name will do as a pupil's name: it starts with a letter, so a spreadsheet
// never takes it for a formula, and it fits a line.
bool isPupilName(const QString &name);
