// Pictures and random numbers on the fake.
#include "fake/fake_system.h"

#include <memory>

#include "platform/failure.h"

namespace fake {

std::string pathOf(const platform::Picture* picture)
{
    const auto* fakePicture = dynamic_cast<const FakePicture*>(picture);
    return fakePicture ? fakePicture->path() : "";
}

void FakePictureLoader::add(const std::string& path, platform::Twips width, platform::Twips height)
{
    files_[path] = std::make_shared<FakePicture>(path, width, height);
}

platform::PicturePtr FakePictureLoader::load(const std::string& path)
{
    change("load", path);
    const auto found = files_.find(path);
    if (found == files_.end())
        throw platform::Failure("cannot read " + path);
    return found->second;
}

double FakeRandom::next()
{
    change("next");
    if (queue_.empty())
        return 0.0;
    const double number = queue_.front();
    if (queue_.size() > 1)
        queue_.pop_front();
    return number;
}

}  // namespace fake
