// virtual_cards: the cards behind the vpcd driver's two readers, for a PC/SC service of a
// demonstration's own (scripts/virtual-readers). Prints "listening on 127.0.0.1:PORT", the
// first reader's port, and serves until SIGINT or SIGTERM.
#include <signal.h>

#include <exception>
#include <iostream>

#include "tools/virtualcards/virtual_card_peer.h"

int main() {
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    // Blocked before the peer's thread starts, so that only sigwait below takes them.
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);
    try {
        StartSockets();
        CVirtualCardPeer cards;
        std::cout << "listening on 127.0.0.1:" << cards.GetPort() << std::endl;
        int nSignal = 0;
        sigwait(&stop, &nSignal);
    } catch (const std::exception& error) {
        std::cerr << "virtual_cards: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
