#include <gtest/gtest.h>

#include "net/lockstep.h"

namespace {

using net::Lockstep;
using net::Role;

InputSample Keys(uint8_t directions) {
  InputSample sample;
  sample.keyDirections = directions;
  sample.joyDirections = static_cast<uint8_t>(directions ^ 15);
  return sample;
}

void SendLocal(Lockstep& lockstep, uint32_t upTo) {
  while (lockstep.NextLocalFrame() <= upTo) lockstep.PutLocal(InputSample{});
}

TEST(NetLockstep, TheMergeTakesKeysFromTheHostAndTheJoystickFromTheJoiner) {
  InputSample host = Keys(DirLeft);
  host.keyButton = ButtonZ;
  host.joyButtons = 0xFF;
  InputSample joiner = Keys(DirRight);
  joiner.keyButton = ButtonX;
  joiner.joyButtons = 2;
  joiner.pauseRequested = true;
  const InputSample merged = net::MergeSamples(host, joiner);
  EXPECT_EQ(merged.keyDirections, DirLeft);
  EXPECT_EQ(merged.keyButton, ButtonZ);
  EXPECT_EQ(merged.joyDirections, DirRight ^ 15);
  EXPECT_EQ(merged.joyButtons, 2u);
  EXPECT_EQ(merged.joystickPresent, 1);
  EXPECT_TRUE(merged.pauseRequested);

  Lockstep asJoiner(Role::Joiner);
  asJoiner.PutLocal(joiner);
  std::string why;
  ASSERT_TRUE(asJoiner.PutRemote(1, host, why)) << why;
  ASSERT_TRUE(asJoiner.Holds(1));
  EXPECT_EQ(asJoiner.Merged(1), merged);
}

TEST(NetLockstep, RemoteInputsComeInTurnAndWithinReach) {
  Lockstep lockstep(Role::Host);
  std::string why;
  // Nothing sent yet: the other side can be at most MaxInputDelay ahead.
  for (uint32_t frame = 1; frame <= net::MaxInputDelay; ++frame) ASSERT_TRUE(lockstep.PutRemote(frame, {}, why)) << why;
  EXPECT_FALSE(lockstep.PutRemote(net::MaxInputDelay + 1, {}, why));
  EXPECT_EQ(why, "input for frame 11, beyond reach of the inputs sent so far");
  EXPECT_FALSE(lockstep.PutRemote(13, {}, why));
  EXPECT_EQ(why, "input for frame 13 where frame 11 was next");
  EXPECT_FALSE(lockstep.Holds(1));
  SendLocal(lockstep, 1);
  EXPECT_TRUE(lockstep.Holds(1));
  EXPECT_TRUE(lockstep.PutRemote(11, {}, why));
}

TEST(NetLockstep, AnOwedStateHashHoldsBackLaterInputs) {
  Lockstep lockstep(Role::Host);
  SendLocal(lockstep, 200);
  std::string why;
  for (uint32_t frame = 1; frame <= 70; ++frame) ASSERT_TRUE(lockstep.PutRemote(frame, {}, why)) << why;
  EXPECT_FALSE(lockstep.PutRemote(71, {}, why));
  EXPECT_EQ(why, "input for frame 71 before the state hash of frame 60");
  EXPECT_FALSE(lockstep.PutRemoteHash(120, 1, why));
  EXPECT_EQ(why, "state hash of frame 120 where frame 60 was next");
  ASSERT_TRUE(lockstep.PutRemoteHash(60, 1, why)) << why;
  EXPECT_TRUE(lockstep.PutRemote(71, {}, why)) << why;

  Lockstep behind(Role::Joiner);
  SendLocal(behind, 59);
  EXPECT_FALSE(behind.PutRemoteHash(60, 1, why));
  EXPECT_EQ(why, "state hash of frame 60, beyond reach of the inputs sent so far");
}

TEST(NetLockstep, HashesAreComparedWhicheverComesFirst) {
  std::string why;
  Lockstep localFirst(Role::Host);
  SendLocal(localFirst, 200);
  localFirst.PutLocalHash(60, 7);
  ASSERT_TRUE(localFirst.PutRemoteHash(60, 7, why));
  localFirst.PutLocalHash(120, 8);
  EXPECT_EQ(localFirst.ApartAt(), 0u);
  ASSERT_TRUE(localFirst.PutRemoteHash(120, 9, why));
  EXPECT_EQ(localFirst.ApartAt(), 120u);

  Lockstep remoteFirst(Role::Host);
  SendLocal(remoteFirst, 200);
  ASSERT_TRUE(remoteFirst.PutRemoteHash(60, 5, why));
  EXPECT_EQ(remoteFirst.ApartAt(), 0u);
  remoteFirst.PutLocalHash(60, 6);
  EXPECT_EQ(remoteFirst.ApartAt(), 60u);
}

}  // namespace
