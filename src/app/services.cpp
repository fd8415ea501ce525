#include "app/services.h"

#include <QCoreApplication>

Services Services::real()
{
    Services services;
    services.dialogs = std::make_unique<MessageBoxDialogs>();
    services.webLink = std::make_unique<DesktopWebLink>();
    services.quit = [](int status) { QCoreApplication::exit(status); };
    return services;
}
