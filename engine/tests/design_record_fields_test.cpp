#include "engine/design_record_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace kestrava {
namespace {

struct Member {
    std::size_t offset;
    std::size_t size;
    std::string name;
};

template <class T>
Member MemberOf(const DesignRecord& record, const T& field, std::string name) {
    const auto offset = static_cast<std::size_t>(reinterpret_cast<const char*>(&field) -
                                                 reinterpret_cast<const char*>(&record));
    return {offset, sizeof(T), std::move(name)};
}

// A double added to DesignRecord but not to the field list leaves a gap of at least its size
// between the members known here.
TEST(DesignRecordFieldsTest, ListCoversEveryDoubleMember) {
    const DesignRecord record;
    std::vector<Member> members;
#define KESTRAVA_ADD_MEMBER(name) members.push_back(MemberOf(record, record.name, #name));
    KESTRAVA_DESIGN_RECORD_DOUBLE_FIELDS(KESTRAVA_ADD_MEMBER)
    KESTRAVA_ADD_MEMBER(frequency)
    KESTRAVA_ADD_MEMBER(connectionType)
    KESTRAVA_ADD_MEMBER(tapping)
    KESTRAVA_ADD_MEMBER(engineError)
    KESTRAVA_ADD_MEMBER(tableFound)
    KESTRAVA_ADD_MEMBER(hvCoilCount)
    KESTRAVA_ADD_MEMBER(hvLayerCount)
#undef KESTRAVA_ADD_MEMBER
    std::sort(members.begin(), members.end(),
              [](const Member& a, const Member& b) { return a.offset < b.offset; });

    std::size_t end = 0;
    for (const Member& member : members) {
        EXPECT_LT(member.offset - end, sizeof(double)) << "unlisted member before " << member.name;
        end = member.offset + member.size;
    }
    EXPECT_LT(sizeof(DesignRecord) - end, sizeof(double)) << "unlisted member at the end";

    std::size_t visited = 0;
    ForEachDoubleField(record, [&visited](std::string_view, double) { ++visited; });
    EXPECT_EQ(visited, members.size() - 7);
}

}  // namespace
}  // namespace kestrava
