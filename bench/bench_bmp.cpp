// Reading a room-sized picture: a 640 × 400 true-colour BMP, decoded from
// bytes already in memory and loaded from its file, and the two steps a load
// adds to the decode: finding the file and reading its bytes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "gfx/Bmp.h"
#include "sys/DataPath.h"
#include "sys/FileIo.h"

namespace {

// Written once to a temporary folder, removed at exit.
class PictureFile {
 public:
  PictureFile() {
    gfx::Bitmap picture(640, 400);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        picture.setPixel(x, y,
                         0xFF000000u | (static_cast<gfx::Pixel>(x * 0x010203 + y * 0x030201) & 0xFFFFFFu));
    dir_ = std::filesystem::temp_directory_path() / ("kroxl_bench_bmp_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    path_ = (dir_ / "room.bmp").string();
    if (auto r = sys::writeFileAtomic(path_, gfx::encodeBmp(picture)); !r.ok())
      throw std::runtime_error(r.error().message);
    bytes_ = *sys::readFile(path_);
  }
  ~PictureFile() { std::filesystem::remove_all(dir_); }

  const std::string& path() const { return path_; }
  const std::string& bytes() const { return bytes_; }

 private:
  std::filesystem::path dir_;
  std::string path_;
  std::string bytes_;
};

const PictureFile& roomPicture() {
  static const PictureFile file;
  return file;
}

void BM_DecodeBmp24(benchmark::State& state) {
  const std::string& bytes = roomPicture().bytes();
  for (auto _ : state) {
    sys::Result<gfx::Bitmap> r = gfx::decodeBmp(bytes);
    if (!r.ok()) state.SkipWithError(r.error().message.c_str());
    benchmark::DoNotOptimize(r);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodeBmp24)->Unit(benchmark::kMicrosecond);

void BM_LoadBmp24(benchmark::State& state) {
  const std::string& path = roomPicture().path();
  for (auto _ : state) {
    sys::Result<gfx::Bitmap> r = gfx::loadBmp(path);
    if (!r.ok()) state.SkipWithError(r.error().message.c_str());
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_LoadBmp24)->Unit(benchmark::kMicrosecond);

void BM_ResolvePicturePath(benchmark::State& state) {
  const std::string& path = roomPicture().path();
  for (auto _ : state) benchmark::DoNotOptimize(sys::resolvePath(path));
}
BENCHMARK(BM_ResolvePicturePath)->Unit(benchmark::kMicrosecond);

void BM_ReadPictureFile(benchmark::State& state) {
  const std::string& path = roomPicture().path();
  for (auto _ : state) benchmark::DoNotOptimize(sys::readFile(path));
}
BENCHMARK(BM_ReadPictureFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
