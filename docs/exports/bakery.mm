<map version="1.0.1">
 <node TEXT="Open a small bakery in town">
  <node TEXT="Criteria" POSITION="right">
   <node TEXT="Low cost">
    <attribute NAME="Weight" VALUE="9"/>
   </node>
   <node TEXT="Quick start">
    <attribute NAME="Weight" VALUE="7.5"/>
   </node>
   <node TEXT="Fun to run">
    <attribute NAME="Weight" VALUE="5"/>
   </node>
  </node>
  <node TEXT="Tangible assets" POSITION="left">
   <node TEXT="Old van"/>
   <node TEXT="Big oven"/>
  </node>
  <node TEXT="Intangible assets" POSITION="right">
   <node TEXT="Baking skill"/>
   <node TEXT="Friendly staff"/>
  </node>
  <node TEXT="Ideas" POSITION="left">
   <node TEXT="Sell bread from the van">
    <attribute NAME="Result" VALUE="9"/>
   </node>
   <node TEXT="Bake pizza at night">
    <attribute NAME="Result" VALUE="6.3"/>
   </node>
  </node>
  <node TEXT="Ranking" POSITION="right">
   <node TEXT="Sell bread from the van">
    <attribute NAME="Rank" VALUE="1"/>
    <attribute NAME="Result" VALUE="9"/>
    <attribute NAME="Ratings" VALUE="8 7 6"/>
   </node>
   <node TEXT="Bake pizza at night">
    <attribute NAME="Rank" VALUE="2"/>
    <attribute NAME="Result" VALUE="6.3"/>
    <attribute NAME="Ratings" VALUE="6 4 5"/>
   </node>
  </node>
 </node>
</map>
