#include "directory/WebCamLoading.h"

void LoadWebCams(const QByteArray&)
{
}
