#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "graph/model/CollectionFunctions.h"
#include "graph/model/GraphOrder.h"
#include "graph/model/ObjectAccess.h"
#include "runtime/Conversions.h"

using namespace Dravex::CollectionFunctions;
using Dravex::GraphOrder;
using Runtime::Collection;
using Runtime::CollectionRef;
using Runtime::Variant;

namespace {

// Records with a value and a label, as a series is sorted.
CollectionRef Records(const std::vector<Variant>& values) {
  auto records = std::make_shared<Collection>();
  for (size_t i = 0; i < values.size(); ++i) {
    auto record = std::make_shared<GraphOrder>();
    record->Value(values[i]);
    record->Label(Variant(std::string(1, static_cast<char>('A' + i))));
    records->Add(Variant(std::move(record)), Variant(std::to_string(i + 1)));
  }
  return records;
}

const Common::ValueOf ByValue = [](const Variant& item) {
  return Dravex::ObjectFrom<GraphOrder>(item)->Value();
};

std::string Labels(const Collection& records) {
  std::string labels;
  for (const Variant& item : records) {
    labels += Runtime::CStr(Dravex::ObjectFrom<GraphOrder>(item)->Label());
  }
  return labels;
}

}  // namespace

TEST(SortCollection, SortsByTheProjectionEitherWay) {
  const CollectionRef records = Records({int16_t{3}, int16_t{9}, int16_t{5}, 1.5, int32_t{7}});
  EXPECT_EQ(Labels(*SortCollection(records, ByValue, SortDescending)), "BECAD");
  EXPECT_EQ(Labels(*SortCollection(records, ByValue, SortAscending)), "DACEB");
  // The input is left as it was; the sorted items have no keys.
  EXPECT_EQ(Labels(*records), "ABCDE");
  EXPECT_EQ(SortCollection(records, ByValue, SortAscending)->KeyAt(1), "");
}

TEST(SortCollection, EqualValuesChangePlaces) {
  // On a tie the merge takes the later half's item first, either way.
  EXPECT_EQ(Labels(*SortCollection(Records({int16_t{5}, int16_t{5}}), ByValue, SortDescending)),
            "BA");
  EXPECT_EQ(Labels(*SortCollection(Records({int16_t{5}, int16_t{5}}), ByValue, SortAscending)),
            "BA");
  // A Null value sorts as 0.
  EXPECT_EQ(Labels(*SortCollection(Records({Variant(Runtime::Null), int16_t{-1}, int16_t{1}}),
                                   ByValue, SortAscending)),
            "BAC");
}

TEST(SortCollection, NoneOrOneItemComesBackAsItIs) {
  const CollectionRef one = Records({int16_t{1}});
  EXPECT_EQ(SortCollection(one, ByValue, SortDescending), one);
  const auto none = std::make_shared<Collection>();
  EXPECT_EQ(SortCollection(none, ByValue, SortDescending), none);
}

TEST(SortCollection, ItemsThemselvesSortWithoutAProjection) {
  auto numbers = std::make_shared<Collection>();
  for (int16_t n : {4, 1, 3, 2}) numbers->Add(Variant(n));
  const CollectionRef sorted = SortCollection(numbers, {}, SortAscending);
  std::vector<int16_t> order;
  for (const Variant& item : *sorted) order.push_back(item.GetInteger());
  EXPECT_EQ(order, (std::vector<int16_t>{1, 2, 3, 4}));
}

TEST(SubCollection, OutOfRangeEndsAreClampedAndWrittenBack) {
  const CollectionRef records = Records({int16_t{1}, int16_t{2}, int16_t{3}, int16_t{4}});
  int16_t from = 0;
  int16_t to = 2;
  EXPECT_EQ(Labels(*SubCollection(*records, from, to)), "AB");
  EXPECT_EQ(from, 1);

  from = 9;
  to = 9;
  EXPECT_EQ(Labels(*SubCollection(*records, from, to)), "D");
  EXPECT_EQ(from, 4);
  EXPECT_EQ(to, 4);

  from = 3;
  to = 2;  // below from: to the end
  EXPECT_EQ(Labels(*SubCollection(*records, from, to)), "CD");
  EXPECT_EQ(to, 4);
}

TEST(MergeCollections, TakesFromTheFrontsAndEmptiesBoth) {
  const CollectionRef first = Records({int16_t{1}, int16_t{4}});
  const CollectionRef second = Records({int16_t{2}, int16_t{3}, int16_t{9}});
  const CollectionRef merged = MergeCollections(*first, *second, ByValue, SortAscending);
  std::vector<int16_t> values;
  for (const Variant& item : *merged) {
    values.push_back(Dravex::ObjectFrom<GraphOrder>(item)->Value().GetInteger());
  }
  EXPECT_EQ(values, (std::vector<int16_t>{1, 2, 3, 4, 9}));
  EXPECT_EQ(first->Count(), 0);
  EXPECT_EQ(second->Count(), 0);

  // No comparison: the first, then the second.
  const CollectionRef a = Records({int16_t{9}, int16_t{8}});
  const CollectionRef b = Records({int16_t{1}});
  EXPECT_EQ(Labels(*MergeCollections(*a, *b, ByValue, SortNone)), "ABA");
}
