#ifndef TESTSUPPORT_FAKEDISPLAYABLEMODEL_H
#define TESTSUPPORT_FAKEDISPLAYABLEMODEL_H

#include <string>
#include <vector>

#include "FakeModelData.h"
#include "core/Orientation.h"
#include "shell/I_DisplayableModel.h"

namespace TestSupport {

// A drawable model that records every display call (each call as its list of
// orientations) and counts the live instances, so tests can see leaks and
// double deletions of models.
class FakeDisplayableModel : public Model::I_DisplayableModel {
public:
    typedef std::vector<MathStuff::Orientation<float> > Orientations;

    explicit FakeDisplayableModel(const std::string& name)
        : Model::I_DisplayableModel(new FakeModelData(name))
    {
        ++live();
    }
    ~FakeDisplayableModel() override { --live(); }

    void display(const MathStuff::Orientation<float>* orientation) override
    {
        displays.push_back(Orientations(1, *orientation));
    }
    void display(const Orientations& orientations) override { displays.push_back(orientations); }

    // Instances now alive.
    static int& live()
    {
        static int l_live = 0;
        return l_live;
    }

    std::vector<Orientations> displays;
};

} // namespace TestSupport

#endif
