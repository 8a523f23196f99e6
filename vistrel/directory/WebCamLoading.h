#pragma once
#include <QByteArray>

void LoadWebCams(const QByteArray& reply);
