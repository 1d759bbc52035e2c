// The particle system factory: placeholders for unlisted names, replaced
// definitions that live on, the binary form, and the data tree's systems
// through the asset database.

#include "ParticleTestSupport.h"

#include "file/BufferBinary.h"
#include "file/Database.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "particle/ParticleSystemFactory.h"

#include <gtest/gtest.h>

#include <string>

using namespace particletest;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

ParticleSystemDefinition *named(const wchar_t *name, const wchar_t *text) {
  auto *definition = new ParticleSystemDefinition;
  definition->read(nullptr, dictionary(text));
  definition->name = sym(name);
  return definition;
}

const wchar_t *OneSpark =
    L"(emitters: [(billboard: () spout: (type: point:) initialParticles: 3 maxParticles: 3 "
    L"particleLifespan: 1)])";

} // namespace

TEST(ParticleFactory, AMissingNameIsReportedOnceAndItsPlaceholderIsFinished) {
  Database database(sym(L"particleTestDatabase"), String(L"."));
  ParticleSystemFactory factory(&database);
  testing::internal::CaptureStderr();
  ParticleSystemDefinition *first = factory.definition(sym(L"nowhere"));
  ParticleSystemDefinition *second = factory.definition(sym(L"nowhere"));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(first, second);
  EXPECT_EQ(log, "ParticleSystem nowhere not found in database particleTestDatabase.  Using "
                 "placeholder.\n");
  std::unique_ptr<ParticleSystem> system(first->instantiate());
  EXPECT_TRUE(system->isFinished());
}

TEST(ParticleFactory, NamesAreFoundSortedAndFiltered) {
  ParticleSystemFactory factory(nullptr);
  for (const wchar_t *name : {L"smokeTrail", L"sparkRing", L"bigSpark"})
    factory.add(named(name, L"()"));
  std::vector<Symbol> all;
  for (Symbol s : factory.findNames(String()))
    all.push_back(s);
  EXPECT_EQ(all, (std::vector<Symbol>{sym(L"bigSpark"), sym(L"smokeTrail"), sym(L"sparkRing")}));
  EXPECT_EQ(factory.findNames(String(L"SPARK")).size(), 2u);
  factory.removeDefinition(sym(L"bigSpark"));
  EXPECT_FALSE(factory.contains(sym(L"bigSpark")));
}

TEST(ParticleFactory, AReplacedDefinitionLivesOnForTheSystemsMadeFromIt) {
  ParticleSystemFactory factory(nullptr);
  factory.add(named(L"spark", OneSpark));
  std::unique_ptr<ParticleSystem> old(factory.definition(sym(L"spark"))->instantiate());
  factory.add(named(L"spark", L"()"));
  EXPECT_TRUE(factory.definition(sym(L"spark"))->emitters.isEmpty());
  factory.removeDefinition(sym(L"spark"));
  // The system still reads its own definition (the sanitizer sees any use
  // of a deleted one).
  old->update(0.5f);
  RecordingCanvas canvas;
  old->render(canvas);
  EXPECT_EQ(old->emitter(0).liveCount(), 3u);
  EXPECT_EQ(old->definition()->emitters[0]->initialParticles, 3u);
}

TEST(ParticleFactory, TheBinaryFormLoadsRecordByRecord) {
  ParticleSystemDefinition a(sym(L"first")), b(sym(L"second"));
  a.read(nullptr, dictionary(OneSpark));
  file::BufferBinary buffer;
  ASSERT_TRUE(a.writeBinary(buffer, nullptr));
  ASSERT_TRUE(b.writeBinary(buffer, nullptr));
  uint32_t whole = buffer.size();
  buffer.seek(0);
  ParticleSystemFactory factory(nullptr);
  ASSERT_TRUE(factory.loadBinary(buffer));
  EXPECT_EQ(factory.count(), 2u);
  EXPECT_EQ(factory.definition(sym(L"first"))->emitters.size(), 1u);

  // A broken last record keeps those before it.
  file::BufferBinary cut;
  cut.receiveBytes(buffer.data(), whole - 1);
  cut.seek(0);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(factory.loadBinary(cut));
  testing::internal::GetCapturedStderr();
  EXPECT_TRUE(factory.contains(sym(L"first")));
  EXPECT_FALSE(factory.contains(sym(L"second")));
}

using DataParticleSystems = testing_support::FrameworkTest;

TEST_F(DataParticleSystems, TheDataTreesSystemsLoadAndRun) {
  std::string log = testing_support::loadDataTree(CorvaneDatabase::LOAD_TEXTURES |
                                                  CorvaneDatabase::LOAD_BILLBOARDS |
                                                  CorvaneDatabase::LOAD_PARTICLE_SYSTEMS);
  CorvaneDatabase *database = corvaneDatabase();
  EXPECT_NE(log.find("Loaded quip: " + std::string(CORVANE_SOURCE_DIR) +
                     "/data/config/particleSystems.!"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("WARNING"), std::string::npos) << log;
  EXPECT_EQ(log.find("not found"), std::string::npos) << log;
  ParticleSystemFactory &factory = database->particleSystemFactory();
  EXPECT_EQ(ParticleSystemFactory::current(), &factory);
  ASSERT_EQ(factory.count(), 3u);
  for (const wchar_t *name : {L"sparkRing", L"emberSwirl", L"pointPuff"}) {
    ParticleSystemDefinition *definition = factory.definition(sym(name));
    ASSERT_EQ(definition->emitters.size(), 1u) << name;
    EXPECT_TRUE(definition->emitters[0]->isComplete()) << name;
    EXPECT_NE(definition->emitters[0]->billboard->texture(), nullptr) << name;
    std::unique_ptr<ParticleSystem> system(definition->instantiate());
    for (int i = 0; i < 15; ++i)
      system->update(1.0f / 30.0f);
    EXPECT_GT(system->emitter(0).liveCount(), 0u) << name;
  }
  EXPECT_TRUE(factory.definition(sym(L"pointPuff"))->emitters[0]->pointSpritesEnabled);
  EXPECT_NE(factory.definition(sym(L"sparkRing"))->emitters[0]->mover, nullptr);
  EXPECT_NE(factory.definition(sym(L"emberSwirl"))->emitters[0]->mover, nullptr);
}
