#include "app/appcontext.h"

#include "shell/closingscreen.h"

AppContext::AppContext(Services services_)
    : services(std::move(services_)), m_backdrop(std::make_unique<Backdrop>([this] {
          if (services.quit)
              services.quit(0);
      })),
      m_screens(*this)
{
    if (auto *boxes = dynamic_cast<MessageBoxDialogs *>(services.dialogs.get()))
        boxes->setParent(m_backdrop.get());
}

AppContext::~AppContext() = default;

QIcon AppContext::applicationIcon()
{
    return m_screens.touch<ClosingScreen>()->icon();
}
