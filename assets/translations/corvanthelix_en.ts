<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Window1</name>
    <message numerus="yes">
        <source>Solved in %n steps. Name</source>
        <translation>
            <numerusform>Solved in %n step. Name</numerusform>
            <numerusform>Solved in %n steps. Name</numerusform>
        </translation>
    </message>
</context>
</TS>
