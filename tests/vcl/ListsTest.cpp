#include "vcl/Classes.h"

#include <gtest/gtest.h>

#include <thread>

using namespace vcl;

TEST(TSortedList, FindsWhatWasInsertedInAnyOrder) {
  TSortedList<int> List;
  const char* const Keys[] = {"M", "B", "Z", "A", "DONTAGAIN@1715", "DONTAGAIN@S1715", ""};
  int Value = 0;
  for (const char* Key : Keys) {
    EXPECT_EQ(List.Find(Key), nullptr) << Key;
    List.Insert(Key, Value++);
  }
  Value = 0;
  for (const char* Key : Keys) {
    ASSERT_NE(List.Find(Key), nullptr) << Key;
    EXPECT_EQ(*List.Find(Key), Value++) << Key;
  }
  EXPECT_EQ(List.Find("m"), nullptr) << "keys are compared exactly";
  EXPECT_EQ(List.Find("DONTAGAIN@"), nullptr);
}

TEST(TSortedList, RefusesADuplicateKeyAndKeepsTheFirstEntry) {
  TSortedList<std::string> List;
  List.Insert("K", "first");
  EXPECT_THROW(List.Insert("K", "second"), EListError);
  EXPECT_EQ(*List.Find("K"), "first");
}

TEST(TInterfaceList, TakesConcurrentAddsAndRemoves) {
  TInterfaceList<int> List;
  auto Kept = std::make_shared<int>(-1);
  List.Add(Kept);
  std::vector<std::thread> Threads;
  for (int T = 0; T < 4; ++T)
    Threads.emplace_back([&List] {
      for (int I = 0; I < 500; ++I) {
        auto Item = std::make_shared<int>(I);
        List.Add(Item);
        List.Remove(Item);
      }
    });
  for (std::thread& T : Threads) T.join();
  ASSERT_EQ(List.Count(), 1u);
  EXPECT_EQ(List.Get(0), Kept);
  EXPECT_EQ(List.Get(1), nullptr) << "an index past the end gives nothing";
  List.Remove(std::make_shared<int>(-1));
  EXPECT_EQ(List.Count(), 1u) << "only the same reference is removed";
  List.Remove(Kept);
  EXPECT_EQ(List.Count(), 0u);
  EXPECT_EQ(Kept.use_count(), 1) << "the list let go of its reference";
}
