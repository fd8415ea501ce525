#include "classroom/classroom.h"

#include <QSettings>

const QString Classroom::teachersOnly =
    QStringLiteral("only a teacher may import, export or see results, and this account is not "
                   "in the classroom's teacher group.");

ClassroomSettings ClassroomSettings::read(QSettings &settings)
{
    ClassroomSettings read;
    settings.beginGroup(QStringLiteral("Classroom"));
    read.teacherGroup = settings.value(QStringLiteral("TeacherGroup")).toString().trimmed();
    read.pupilsShareAccount = settings.value(QStringLiteral("PupilsShareAccount")).toBool();
    settings.endGroup();
    return read;
}

ClassroomSettings ClassroomSettings::system()
{
    // The native form on Linux is the INI file "zorvanel.conf".
    QSettings settings(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("zorvanel"),
                       QStringLiteral("zorvanel"));
    return read(settings);
}

Classroom::Classroom(const ClassroomSettings &settings, const Account &account)
{
    const bool inTeacherGroup =
        !settings.teacherGroup.isEmpty() && account.groups.contains(settings.teacherGroup);
    m_role = settings.teacherGroup.isEmpty() || inTeacherGroup ? Role::Teacher : Role::Pupil;
    // On a shared account the account says nothing of who is at the keyboard.
    if (settings.pupilsShareAccount && !inTeacherGroup)
        m_pupilName.clear();
    else
        m_pupilName = account.fullName.isEmpty() ? account.login : account.fullName;
}

bool isPupilName(const QString &name)
{
    const QString simple = name.simplified();
    return !simple.isEmpty() && simple.size() <= 60 && simple.front().isLetter();
}
