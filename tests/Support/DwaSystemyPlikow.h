#pragma once

#include "KatalogTestowy.h"

#include <gtest/gtest.h>

#include <memory>

// Tests of moves between file systems: a temporary folder and a fresh folder on /dev/shm. Skips
// where both lie on one file system.
class DwaSystemyPlikow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        inny = KatalogTestowy::katalogNaInnymSystemiePlikow(dir.sciezka());
        if (!inny)
            GTEST_SKIP() << "/dev/shm and the temporary folder are on one file system";
    }

    KatalogTestowy dir;
    std::unique_ptr<QTemporaryDir> inny;
};
