#pragma once
// Whether the machine is online, as the operating system tells it (its
// network manager, through Qt's network information). The start-up check
// shows the offline line only on the system's word, never on a guess.
enum class NetworkReach {
    Online,   // a connection to outside networks, or one within the site
    Offline,  // no connection, or only to the local link
    Unknown,  // the system cannot tell (no network manager to ask)
};

NetworkReach SystemNetworkReach();
