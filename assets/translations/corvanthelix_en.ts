<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Narrator</name>
    <message numerus="yes">
        <source>%n steps.</source>
        <translation>
            <numerusform>%n step.</numerusform>
            <numerusform>%n steps.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of 8 lines match.</source>
        <translation>
            <numerusform>%n of 8 lines matches.</numerusform>
            <numerusform>%n of 8 lines match.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Solved in %n steps.</source>
        <translation>
            <numerusform>Solved in %n step.</numerusform>
            <numerusform>Solved in %n steps.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score entered: %1 with %n steps.</source>
        <translation>
            <numerusform>Score entered: %1 with %n step.</numerusform>
            <numerusform>Score entered: %1 with %n steps.</numerusform>
        </translation>
    </message>
</context>
</TS>
