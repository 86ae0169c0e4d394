#pragma once

class InstallationDiagramDocument;

// The small installation the manual's diagram picture shows, drawn as a user would: the string
// of panels through the isolators and the inverter to the meter and the board, joined by wires
// placed with clicks, and the view zoomed out until all of it shows.
class SampleDiagram
{
public:
    static void draw(InstallationDiagramDocument& diagram);
};
