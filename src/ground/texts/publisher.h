#pragma once

#include <QString>
#include <QUrl>

// The publisher's texts, shown on the menu and the closing screen.
namespace publisher {
// The menu's heading, which a teacher's worksheet also carries as a quiz and on paper.
inline const QString programName = QStringLiteral("Zorvanel");
inline const QString webAddress = QStringLiteral("www.quillmere.example");
inline const QUrl webSite = QUrl(QStringLiteral("https://www.quillmere.example/"));
inline const QString notice =
    QStringLiteral("\u00A9 Quillmere Publishing Ltd. All rights reserved.");
inline const QString creditLine = QStringLiteral("Quillmere Publishing Ltd");
inline const QString menuFooter = QStringLiteral("Published by Quillmere Publishing Ltd");
} // namespace publisher
