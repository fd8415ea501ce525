#include "desktop/account.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <vector>

Account Account::current()
{
    Account account;
    if (const passwd *entry = ::getpwuid(::getuid())) {
        account.login = QString::fromLocal8Bit(entry->pw_name);
        // The comment field holds "Full Name,room,phone,...".
        account.fullName = QString::fromLocal8Bit(entry->pw_gecos).section(u',', 0, 0).trimmed();
    } else {
        account.login = qEnvironmentVariable("USER");
    }
    std::vector<gid_t> ids(std::max(::getgroups(0, nullptr), 0) + 1);
    const int count = ::getgroups(int(ids.size()) - 1, ids.data());
    ids.resize(std::max(count, 0));
    ids.push_back(::getgid());
    for (const gid_t id : ids)
        if (const group *entry = ::getgrgid(id))
            account.groups.append(QString::fromLocal8Bit(entry->gr_name));
    account.groups.removeDuplicates();
    return account;
}
