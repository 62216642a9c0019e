// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platformfixture.h"

namespace kalyxteron::test {

PlatformFixture::PlatformFixture(std::optional<unsigned> randomSeed) : m_randomSeed(randomSeed) {}

void PlatformFixture::init()
{
    m_fake = std::make_unique<FakePlatform>();
    if (m_randomSeed)
        m_fake->useRandomDraws(*m_randomSeed);
    prepare();
}

void PlatformFixture::cleanup()
{
    m_fake.reset(); // closes the screens left open and puts the real platform back
}

} // namespace kalyxteron::test
