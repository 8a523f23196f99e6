// Every peer of the tests is a fake on this machine, so no test connection asks the
// machine's proxy settings. Asking them starts Qt's system-proxy thread, which Qt
// never joins before the process ends: the leak checker then reports that thread's
// data at random, and a proxy set on the test machine would reroute the fetches.
#include <QCoreApplication>
#include <QNetworkProxyFactory>

namespace {

void connectDirectly()
{
    QNetworkProxyFactory::setUseSystemConfiguration(false);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(connectDirectly)
