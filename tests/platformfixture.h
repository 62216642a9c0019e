// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakeplatform.h"

#include <QObject>

#include <memory>
#include <optional>

namespace kalyxteron::test {

// The base of a test class whose every test runs on a fake platform of its own: made before the
// test, and dropped after it with every screen the test left open. Its only slots are init() and
// cleanup(), which Qt Test finds in a base class too; any other slot here would run as a test.
class PlatformFixture : public QObject {
    Q_OBJECT
public:
    /// With a seed, the draws nobody scripted come from a pseudo-random sequence seeded so.
    explicit PlatformFixture(std::optional<unsigned> randomSeed = std::nullopt);

protected:
    /// What a test class sets up before each test besides the fake, which is there already.
    virtual void prepare() {}

    std::unique_ptr<FakePlatform> m_fake;

private slots:
    void init();
    void cleanup();

private:
    std::optional<unsigned> m_randomSeed;
};

} // namespace kalyxteron::test
