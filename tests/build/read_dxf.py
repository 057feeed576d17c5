# Prints what ezdxf reads from a DXF file: one line per closed polyline,
# "layer|x,y x,y ...", and one per text, "layer|TEXT|text".
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
for entity in doc.modelspace():
    if entity.dxftype() == "POLYLINE":
        points = " ".join(f"{v.dxf.location.x!r},{v.dxf.location.y!r}" for v in entity.vertices)
        print(f"{entity.dxf.layer}|{'closed' if entity.is_closed else 'open'}|{points}")
    elif entity.dxftype() == "TEXT":
        print(f"{entity.dxf.layer}|TEXT|{entity.dxf.text}")
    else:
        print(f"{entity.dxf.layer}|{entity.dxftype()}|")
