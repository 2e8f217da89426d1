#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "platform/TextFile.h"

TEST(IOErrorText, NamedCodesHaveTheRuntimeTexts) {
    EXPECT_EQ(IOErrorText(2), "File not found");
    EXPECT_EQ(IOErrorText(3), "Invalid filename");
    EXPECT_EQ(IOErrorText(4), "Too many open files");
    EXPECT_EQ(IOErrorText(5), "File access denied");
    EXPECT_EQ(IOErrorText(100), "Read beyond end of file");
    EXPECT_EQ(IOErrorText(101), "Disk full");
    EXPECT_EQ(IOErrorText(106), "Invalid numeric input");
}

TEST(IOErrorText, OtherCodesCarryTheirNumber) {
    EXPECT_EQ(IOErrorText(32), "I/O error 32");
    EXPECT_EQ(IOErrorText(103), "I/O error 103");
    EXPECT_EQ(IOErrorText(1), "I/O error 1");
}

TEST(EInOutError, CarriesCodeAndTextAndIsAnException) {
    try {
        throw EInOutError(101);
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Disk full");
        EXPECT_EQ(dynamic_cast<const EInOutError&>(error).ErrorCode, 101);
    }
}

TEST(IOCheck, RaisesForAFailedOperationOnceAndThenPasses) {
    platform::TextFile file;
    file.Write('x'); // never opened
    try {
        platform::IOCheck(file);
        FAIL() << "no error raised";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode, 103);
        EXPECT_EQ(error.Message, "I/O error 103");
    }
    EXPECT_NO_THROW(platform::IOCheck(file));
}
