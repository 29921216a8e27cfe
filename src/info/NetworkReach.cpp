#include "info/NetworkReach.h"

#include <QNetworkInformation>

NetworkReach SystemNetworkReach()
{
    if (!QNetworkInformation::instance())
        QNetworkInformation::load(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* info = QNetworkInformation::instance();
    if (!info)
        return NetworkReach::Unknown;
    switch (info->reachability()) {
    case QNetworkInformation::Reachability::Disconnected:
    case QNetworkInformation::Reachability::Local:
        return NetworkReach::Offline;
    case QNetworkInformation::Reachability::Site:
    case QNetworkInformation::Reachability::Online:
        return NetworkReach::Online;
    case QNetworkInformation::Reachability::Unknown:
        break;
    }
    return NetworkReach::Unknown;
}
