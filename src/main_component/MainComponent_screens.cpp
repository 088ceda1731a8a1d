// What each screen shows, and how it is painted.
#include "MainComponent.h"

void MainComponent::UpdateDrawing()
{
    repaint();
}

void MainComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFFEAEAEAu));
}
