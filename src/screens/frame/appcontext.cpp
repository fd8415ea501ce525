#include "frame/appcontext.h"

#include "files/contentpath.h"

AppContext::AppContext(Services services)
    : m_services(std::move(services)), m_readAloud(m_services.speech.get(), *m_services.dialogs),
      m_backdrop(std::make_unique<Backdrop>([this] {
          if (m_services.quit)
              m_services.quit(0);
      })),
      m_screens(*this)
{
    if (auto *boxes = dynamic_cast<MessageBoxDialogs *>(m_services.dialogs.get()))
        boxes->setParent(m_backdrop.get());
}

AppContext::~AppContext() = default;

QIcon AppContext::applicationIcon()
{
    if (!m_iconLoaded) {
        m_iconLoaded = true;
        m_icon = QIcon(resolveContentPath(QStringLiteral("zorvanel.ico")));
        m_backdrop->setWindowIcon(m_icon);
        m_backdrop->showOnDisplay();
    }
    return m_icon;
}

void AppContext::setNavigation(std::unique_ptr<Navigation> navigation)
{
    m_navigation = std::move(navigation);
}
