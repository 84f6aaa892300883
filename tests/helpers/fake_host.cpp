// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers/fake_host.h"

FakeHost::FakeHost()
    : m_area(std::make_unique<QMdiArea>())
{
    m_area->resize(800, 600);
    m_area->show();
}
