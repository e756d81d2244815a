#include "platform/DbfError.h"
#include "platform/Error.h"
#include "platform/IniFile.h"
#include "platform/XmlError.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QString messageFor(const char *name)
{
    return QStringLiteral("Situación «%1»").arg(QString::fromLatin1(name));
}

struct KindCase {
    const char *name;
    std::function<void()> raise;
    Error::Kind kind;
};

void PrintTo(const KindCase &c, std::ostream *os)
{
    *os << c.name;
}

class ErrorKind : public testing::TestWithParam<KindCase> {};

// Every layer's error is caught as the one base, with its kind and the
// message exactly as raised (accents included, which what() carries as UTF-8).
TEST_P(ErrorKind, IsCaughtAsTheBaseWithItsKindAndMessage)
{
    try {
        GetParam().raise();
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), GetParam().kind);
        EXPECT_EQ(e.message(), messageFor(GetParam().name));
        EXPECT_EQ(QString::fromUtf8(e.what()), e.message());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layers, ErrorKind,
    testing::Values(KindCase{"table", [] { throw dbf::DbfError(messageFor("table")); }, Error::Kind::Table},
                    KindCase{"document", [] { throw xml::XmlError(messageFor("document")); }, Error::Kind::Document},
                    KindCase{"ini", [] { throw ini::IniError(messageFor("ini")); }, Error::Kind::Ini},
                    KindCase{"refused", [] { throw Error(Error::Kind::RefusedDocument, messageFor("refused")); },
                             Error::Kind::RefusedDocument}),
    [](const testing::TestParamInfo<KindCase> &info) { return std::string(info.param.name); });

} // namespace
