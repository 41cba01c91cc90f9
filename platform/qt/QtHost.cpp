// SPDX-License-Identifier: MIT
#include "platform/qt/QtHost.h"

#include "platform/qt/QtHostBackend.h"
#include "platform/qt/QtSettingsStore.h"

QtHostSession::QtHostSession(int& argc, char** argv)
    : FHost(std::make_unique<QtHost>(argc, argv))
{
    SetSettingsStoreFactory(OpenQtSettingsStore);
}

QtHostSession::~QtHostSession()
{
    SetSettingsStoreFactory({});
}
