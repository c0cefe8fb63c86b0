<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>CAboutBox</name>
    <message>
        <source>about Quillon2.0</source>
        <translation>关于 Quillon2.0</translation>
    </message>
    <message>
        <source>Quillon icon</source>
        <translation>Quillon 图标</translation>
    </message>
    <message>
        <source>Quillon Softeware V2.0</source>
        <translation>Quillon 软件 V2.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CAdvanceMenuDialog</name>
    <message>
        <source>Main rotor</source>
        <translation>主旋翼</translation>
    </message>
    <message>
        <source>Tail rotor</source>
        <translation>尾旋翼</translation>
    </message>
    <message>
        <source>AUX channel function</source>
        <translation>AUX 通道功能</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>参数组</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>定速</translation>
    </message>
    <message>
        <source>Roll P gain</source>
        <translation>横滚 P 感度</translation>
    </message>
    <message>
        <source>Roll I gain</source>
        <translation>横滚 I 感度</translation>
    </message>
    <message>
        <source>Roll D gain</source>
        <translation>横滚 D 感度</translation>
    </message>
    <message>
        <source>Pitch P gain</source>
        <translation>俯仰 P 感度</translation>
    </message>
    <message>
        <source>Pitch I gain</source>
        <translation>俯仰 I 感度</translation>
    </message>
    <message>
        <source>Pitch D gain</source>
        <translation>俯仰 D 感度</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>加速</translation>
    </message>
    <message>
        <source>Deceleration</source>
        <translation>减速</translation>
    </message>
    <message>
        <source>RC dead band</source>
        <translation>遥控死区</translation>
    </message>
    <message>
        <source>Gyro dead band</source>
        <translation>陀螺仪死区</translation>
    </message>
    <message>
        <source>Burst Coefficient</source>
        <translation>爆发系数</translation>
    </message>
    <message>
        <source>Yaw P gain</source>
        <translation>航向 P 感度</translation>
    </message>
    <message>
        <source>Yaw I gain</source>
        <translation>航向 I 感度</translation>
    </message>
    <message>
        <source>Yaw D gain</source>
        <translation>航向 D 感度</translation>
    </message>
    <message>
        <source>Acceleration L</source>
        <translation>左加速</translation>
    </message>
    <message>
        <source>Acceleration R</source>
        <translation>右加速</translation>
    </message>
    <message>
        <source>Deceleration L</source>
        <translation>左减速</translation>
    </message>
    <message>
        <source>Deceleration R</source>
        <translation>右减速</translation>
    </message>
    <message>
        <source>Collective to tail</source>
        <translation>总距补偿尾舵</translation>
    </message>
    <message>
        <source>Cyclic to tail</source>
        <translation>循环螺距补偿尾舵</translation>
    </message>
    <message>
        <source>P gain</source>
        <translation>P 感度</translation>
    </message>
    <message>
        <source>I gain</source>
        <translation>I 感度</translation>
    </message>
    <message>
        <source>D gain</source>
        <translation>D 感度</translation>
    </message>
    <message>
        <source>Total gain</source>
        <translation>总感度</translation>
    </message>
    <message>
        <source>Collective compensate</source>
        <translation>总距补偿</translation>
    </message>
    <message>
        <source>Cyclic compensate</source>
        <translation>循环螺距补偿</translation>
    </message>
    <message>
        <source>Calibrate RPM</source>
        <translation>校准转速</translation>
    </message>
    <message>
        <source>Governor On</source>
        <translation>定速开启</translation>
    </message>
    <message>
        <source>Advance Menu</source>
        <translation>高级菜单</translation>
    </message>
    <message>
        <source>Zero pitch</source>
        <translation>零螺距</translation>
    </message>
    <message>
        <source>Tail compensate</source>
        <translation>尾舵补偿</translation>
    </message>
    <message>
        <source>Switch yaw gain</source>
        <translation>切换尾舵感度</translation>
    </message>
    <message>
        <source>Switch condition</source>
        <translation>切换参数组</translation>
    </message>
    <message>
        <source>Condition1</source>
        <translation>参数组1</translation>
    </message>
    <message>
        <source>Condition2</source>
        <translation>参数组2</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>帮助：%1</translation>
    </message>
    <message>
        <source>Governor Off</source>
        <translation>定速关闭</translation>
    </message>
    <message>
        <source>Reset zero</source>
        <translation>零点复位</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Reset governor</source>
        <translation>复位定速</translation>
    </message>
</context>
<context>
    <name>CChangesWindow</name>
    <message>
        <source>, cannot be taken back</source>
        <translation>，无法撤销</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>更改记录</translation>
    </message>
    <message>
        <source>Changes sent to the Orvex since it connected</source>
        <translation>连接以来发送给 Orvex 的更改</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>From</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Old → new</source>
        <translation>旧值 → 新值</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>已确认</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>保存更改记录</translation>
    </message>
    <message>
        <source>text file (*.txt)|*.txt||</source>
        <translation>文本文件 (*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 个参数</translation>
    </message>
    <message>
        <source>(listed in the tooltip)</source>
        <translation>（详见提示）</translation>
    </message>
    <message>
        <source>Undo this change</source>
        <translation>撤销此更改</translation>
    </message>
    <message>
        <source>Save as text...</source>
        <translation>另存为文本...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Scroll up and down</source>
        <translation>上下滚动</translation>
    </message>
    <message>
        <source>Scroll left and right</source>
        <translation>左右滚动</translation>
    </message>
    <message>
        <source>Column headings</source>
        <translation>列标题</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Save Link Log</source>
        <translation>保存通信日志</translation>
    </message>
    <message>
        <source>link log (*.log)|*.log||</source>
        <translation>通信日志 (*.log)|*.log||</translation>
    </message>
    <message>
        <source>Open conifg file</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Save Config file</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Transmit Conifg file</source>
        <translation>发送配置文件</translation>
    </message>
    <message>
        <source>Compare config file with Orvex…</source>
        <translation>将配置文件与 Orvex 比较…</translation>
    </message>
    <message>
        <source>Back up Orvex…</source>
        <translation>备份 Orvex…</translation>
    </message>
    <message>
        <source>Restore Orvex from backup…</source>
        <translation>从备份恢复 Orvex…</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Revert to the Orvex as connected</source>
        <translation>恢复到连接时的 Orvex 设置</translation>
    </message>
    <message>
        <source>&amp;Changes...</source>
        <translation>更改记录(&amp;C)...</translation>
    </message>
    <message>
        <source>About Quillon2.0</source>
        <translation>关于 Quillon2.0</translation>
    </message>
    <message>
        <source>Save Link Log...</source>
        <translation>保存通信日志...</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言 (Language)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Quillon 2.0</source>
        <translation>Quillon 2.0</translation>
    </message>
</context>
<context>
    <name>CQuadAirplaneDialog</name>
    <message>
        <source>&apos;+&apos;Quadrotor</source>
        <translation>&apos;+&apos;型四旋翼</translation>
    </message>
    <message>
        <source>&apos;X&apos;Quadrotor</source>
        <translation>&apos;X&apos;型四旋翼</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>常规布局</translation>
    </message>
    <message>
        <source>Delta</source>
        <translation>三角翼</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>机型配置</translation>
    </message>
    <message>
        <source>Servo Dir</source>
        <translation>舵机方向</translation>
    </message>
    <message>
        <source>Servo adjust</source>
        <translation>舵机微调</translation>
    </message>
    <message>
        <source>Compensate dir</source>
        <translation>补偿方向</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>横滚</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>俯仰</translation>
    </message>
    <message>
        <source>Yaw</source>
        <translation>航向</translation>
    </message>
    <message>
        <source>(Norm)</source>
        <translation>(正)</translation>
    </message>
    <message>
        <source>(Reverse)</source>
        <translation>(反)</translation>
    </message>
    <message>
        <source>Quadrotor and Airplane setup</source>
        <translation>四旋翼与固定翼设置</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source> up</source>
        <translation> 增加</translation>
    </message>
    <message>
        <source> down</source>
        <translation> 减少</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Servo%1</source>
        <translation>舵机%1</translation>
    </message>
    <message>
        <source>Plus quadrotor</source>
        <translation>十字形四旋翼</translation>
    </message>
    <message>
        <source>Seen from above, front up: CH1 front motor, CH2 right, CH3 rear, CH4 left.</source>
        <translation>俯视，机头朝上：CH1 前电机，CH2 右，CH3 后，CH4 左。</translation>
    </message>
    <message>
        <source>X quadrotor</source>
        <translation>X 形四旋翼</translation>
    </message>
    <message>
        <source>Seen from above, front up: CH1 front right motor, CH2 rear right, CH3 rear left, CH4 front left.</source>
        <translation>俯视，机头朝上：CH1 右前电机，CH2 右后，CH3 左后，CH4 左前。</translation>
    </message>
    <message>
        <source>Conventional airplane</source>
        <translation>常规布局固定翼</translation>
    </message>
    <message>
        <source>Seen from above: CH1 both ailerons, CH2 elevator, CH3 throttle, CH4 rudder.</source>
        <translation>俯视：CH1 两侧副翼，CH2 升降舵，CH3 油门，CH4 方向舵。</translation>
    </message>
    <message>
        <source>Delta wing</source>
        <translation>三角翼</translation>
    </message>
    <message>
        <source>Seen from above: CH1 left elevon, CH2 right elevon, CH3 throttle, CH4 rudder.</source>
        <translation>俯视：CH1 左升降副翼，CH2 右升降副翼，CH3 油门，CH4 方向舵。</translation>
    </message>
    <message>
        <source>%1 layout</source>
        <translation>%1 布局</translation>
    </message>
</context>
<context>
    <name>CSetupWizard</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置向导</translation>
    </message>
    <message>
        <source>%1, page %2 of %3</source>
        <translation>%1，第 %2 页，共 %3 页</translation>
    </message>
    <message>
        <source>Pages, showing %1</source>
        <translation>页面，当前：%1</translation>
    </message>
    <message>
        <source>Setup finished!</source>
        <translation>设置完成！</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>遥控器</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>接收机</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>信号监视</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Servo type</source>
        <translation>舵机类型</translation>
    </message>
    <message>
        <source>Swashplate type</source>
        <translation>十字盘类型</translation>
    </message>
    <message>
        <source>Servo reverse</source>
        <translation>舵机反向</translation>
    </message>
    <message>
        <source>Servo trim</source>
        <translation>舵机微调</translation>
    </message>
    <message>
        <source>Swashplate travel</source>
        <translation>十字盘行程</translation>
    </message>
    <message>
        <source>Collective pitch</source>
        <translation>总距</translation>
    </message>
    <message>
        <source>Tail setup</source>
        <translation>尾舵设置</translation>
    </message>
    <message>
        <source>Gyro dir</source>
        <translation>陀螺仪方向</translation>
    </message>
    <message>
        <source>Pirouette optimization</source>
        <translation>自旋优化</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CStep1</name>
    <message>
        <source>1.Power on the transmitter and create a new helicopter model, set the trims and sub-trims of all the channels to be zero. Set the swashplate mode as a no mixing mode(Futaba:H1; JR:1 servo NORM)in your transmitter.</source>
        <translation>1.打开遥控器电源，新建一个直升机模型，把所有通道的微调和中立微调都设为零。在遥控器中把十字盘类型设为无混控模式（Futaba：H1；JR：1 servo NORM）。</translation>
    </message>
    <message>
        <source>2.Make sure all the mixing functions related to swashplate and tail are turned off. Do not adjust the collective pitch curve now, remain it as a straight line.</source>
        <translation>2.确认与十字盘和尾舵有关的混控功能全部关闭。现在不要调整总距曲线，保持为一条直线。</translation>
    </message>
    <message>
        <source>3.Take DX7 and 8FG for example, conservative configuration shown below.</source>
        <translation>3.以 DX7 和 8FG 为例，保守设置如下图所示。</translation>
    </message>
    <message>
        <source>Model type</source>
        <translation>模型类型</translation>
    </message>
    <message>
        <source>Helicopter, H-1</source>
        <translation>直升机，H-1</translation>
    </message>
    <message>
        <source>Swash type</source>
        <translation>十字盘类型</translation>
    </message>
    <message>
        <source>1 servo normal</source>
        <translation>1 舵机普通</translation>
    </message>
    <message>
        <source>H-1 (no mixing)</source>
        <translation>H-1 (无混控)</translation>
    </message>
    <message>
        <source>Sub-trims</source>
        <translation>中立微调</translation>
    </message>
    <message>
        <source>0 on all channels</source>
        <translation>所有通道为 0</translation>
    </message>
    <message>
        <source>End points</source>
        <translation>行程端点</translation>
    </message>
    <message>
        <source>Dual rates</source>
        <translation>大小舵 (D/R)</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>指数 (EXP)</translation>
    </message>
    <message>
        <source>soft, 20%</source>
        <translation>柔和，20%</translation>
    </message>
    <message>
        <source>Gyro sensitivity</source>
        <translation>陀螺仪感度</translation>
    </message>
    <message>
        <source>Pitch curve</source>
        <translation>螺距曲线</translation>
    </message>
    <message>
        <source>straight line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1：%2，%3。</translation>
    </message>
    <message>
        <source>DX7 conservative example</source>
        <translation>DX7 保守示例</translation>
    </message>
    <message>
        <source>8FG conservative example</source>
        <translation>8FG 保守示例</translation>
    </message>
</context>
<context>
    <name>CStep10</name>
    <message>
        <source>Aileron travel</source>
        <translation>副翼行程</translation>
    </message>
    <message>
        <source>Elevator travel</source>
        <translation>升降行程</translation>
    </message>
    <message>
        <source>Move the aileron stick to end position, adjust the &quot;Aileron travel&quot; to make sure no binding occurs.</source>
        <translation>把副翼摇杆推到两端，调整“副翼行程”，确保不发生卡滞。</translation>
    </message>
    <message>
        <source>Move the elevator stick to end position, adjust the &quot;Elevator travel&quot; to make sure no binding occurs.</source>
        <translation>把升降摇杆推到两端，调整“升降行程”，确保不发生卡滞。</translation>
    </message>
    <message>
        <source>Aileron travel, front view</source>
        <translation>副翼行程，前视</translation>
    </message>
    <message>
        <source>Elevator travel, side view</source>
        <translation>升降行程，侧视</translation>
    </message>
    <message>
        <source>Helicopter seen from the side</source>
        <translation>从侧面看直升机</translation>
    </message>
    <message>
        <source>The swashplate tilts forward and back: elevator stick to both ends, no binding.</source>
        <translation>十字盘前后倾斜：升降摇杆推到两端，不得卡滞。</translation>
    </message>
    <message>
        <source>Helicopter seen from the front</source>
        <translation>从前面看直升机</translation>
    </message>
    <message>
        <source>The swashplate tilts left and right: aileron stick to both ends, no binding.</source>
        <translation>十字盘左右倾斜：副翼摇杆推到两端，不得卡滞。</translation>
    </message>
</context>
<context>
    <name>CStep11</name>
    <message>
        <source>Collective pitch</source>
        <translation>总距</translation>
    </message>
    <message>
        <source>Move the collective stick to up and down position, adjust the &quot;Collective pitch&quot; to meet your request. Change the sign of &quot;Collective pitch&quot; can change the moving direction of collective pitch.</source>
        <translation>把总距摇杆推到最高和最低，调整“总距”以满足你的需要。改变“总距”的正负号可以改变总距的运动方向。</translation>
    </message>
    <message>
        <source>Main rotor head</source>
        <translation>主旋翼头</translation>
    </message>
    <message>
        <source>Collective stick full up: blade pitch +11 degrees. Collective stick full down: blade pitch -11 degrees.</source>
        <translation>总距摇杆推到最高：桨叶螺距 +11 度。总距摇杆推到最低：桨叶螺距 -11 度。</translation>
    </message>
</context>
<context>
    <name>CStep12</name>
    <message>
        <source>Roll</source>
        <translation>横滚</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>俯仰</translation>
    </message>
    <message>
        <source>Yaw</source>
        <translation>航向</translation>
    </message>
    <message>
        <source>1.Check the gyro compensation direction of roll.</source>
        <translation>1.检查横滚的陀螺仪补偿方向。</translation>
    </message>
    <message>
        <source>2.Check the gyro compensation direction of pitch.</source>
        <translation>2.检查俯仰的陀螺仪补偿方向。</translation>
    </message>
    <message>
        <source>3.Check the gyro compensation direction of yaw.</source>
        <translation>3.检查航向的陀螺仪补偿方向。</translation>
    </message>
    <message>
        <source>Roll check</source>
        <translation>横滚检查</translation>
    </message>
    <message>
        <source>Seen from behind: tilt the helicopter to the right, the swashplate must tilt to the left.</source>
        <translation>从后面看：把直升机向右倾斜，十字盘必须向左倾斜。</translation>
    </message>
    <message>
        <source>Yaw check</source>
        <translation>航向检查</translation>
    </message>
    <message>
        <source>Seen from above: swing the tail to the right, the tail rotor must push it back to the left.</source>
        <translation>从上面看：把机尾向右摆动，尾旋翼必须把机尾推回左边。</translation>
    </message>
    <message>
        <source>Pitch check</source>
        <translation>俯仰检查</translation>
    </message>
    <message>
        <source>Seen from the left side: push the nose down, the swashplate must tilt back (nose up).</source>
        <translation>从左侧看：把机头压低，十字盘必须向后倾斜 (抬头)。</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>CStep13</name>
    <message>
        <source>Servo trim</source>
        <translation>舵机微调</translation>
    </message>
    <message>
        <source>Tail limit A</source>
        <translation>尾舵限位 A</translation>
    </message>
    <message>
        <source>Tail limit B</source>
        <translation>尾舵限位 B</translation>
    </message>
    <message>
        <source>1.Move the rudder stick, adjust the &quot;Servo reverse&quot; to make sure the tail servo adds same direction rotation pitch to the tail rotor blades.</source>
        <translation>1.拨动方向摇杆，调整“舵机反向”，确保尾舵机使尾旋翼桨叶产生同方向的螺距。</translation>
    </message>
    <message>
        <source>2. Adjust the value of &quot;servo trim&quot; and the horn position to make it perpendicular to the linkage, then set the tail pitch to be approximately 8 degree in the direction that compensates the main rotor torque by adjusting the linkage length.</source>
        <translation>2. 调整“舵机微调”的数值和舵臂位置，使舵臂与拉杆垂直，然后调整拉杆长度，使尾桨螺距在抵消主旋翼反扭力的方向上约为 8 度。</translation>
    </message>
    <message>
        <source>3. Dial the switch to AVCS mode, move rudder stick to left and right end positions, adjust the values of &quot;Tail limit A&quot; and &quot;Tail limit B&quot; until no binding occurs in each direction.</source>
        <translation>3. 把开关拨到 AVCS 模式，把方向摇杆推到左右两端，调整“尾舵限位 A”和“尾舵限位 B”的数值，直到两个方向都不发生卡滞。</translation>
    </message>
    <message>
        <source>Tail servo(Normal)</source>
        <translation>尾舵机(正向)</translation>
    </message>
    <message>
        <source>Tail servo(Reverse)</source>
        <translation>尾舵机(反向)</translation>
    </message>
    <message>
        <source>Tail rotor from above</source>
        <translation>从上面看尾旋翼</translation>
    </message>
    <message>
        <source>The pushrod from the tail servo moves the pitch slider in and out on the tail boom and the blade pitch changes; tail blade at about 8 degrees.</source>
        <translation>来自尾舵机的拉杆带动变距滑套沿尾管来回移动，桨叶螺距随之改变；尾桨约 8 度。</translation>
    </message>
    <message>
        <source>Tail servo horn</source>
        <translation>尾舵机舵臂</translation>
    </message>
    <message>
        <source>The servo horn stands at 90 degrees to the linkage to the tail pitch slider.</source>
        <translation>舵臂与连到尾变距滑套的拉杆成 90 度。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Tail servo travel</source>
        <translation>尾舵机行程</translation>
    </message>
</context>
<context>
    <name>CStep14</name>
    <message>
        <source>1.Click &quot;Check optimization direction&quot;,the swashplate tilts to a direction. Now you can consider the swashplate to be a compass, the direction of tilt is the compass orientation.</source>
        <translation>1.点击“检查优化方向”，十字盘会向一个方向倾斜。现在可以把十字盘看作一个指南针，倾斜的方向就是指南针所指的方位。</translation>
    </message>
    <message>
        <source>2.Pick up helicopter and rotate it around its main shaft for 90 degrees, check the swashplate compass orientation.</source>
        <translation>2.拿起直升机，绕主轴转动 90 度，检查十字盘指南针的方位。</translation>
    </message>
    <message>
        <source>3.If it maintains it&apos;s orientation, the sign of &quot;Optimization direction&quot; is right.</source>
        <translation>3.如果保持原来的方位，“优化方向”的符号正确。</translation>
    </message>
    <message>
        <source>4.If it goes to the opposite orientation, reverse the sign of &quot;Optimization direction&quot;.</source>
        <translation>4.如果转到相反的方位，请反转“优化方向”的符号。</translation>
    </message>
    <message>
        <source>5.Click&quot;Quit check&quot; when complete.</source>
        <translation>5.完成后点击“退出检查”。</translation>
    </message>
    <message>
        <source>Check optimization direction</source>
        <translation>检查优化方向</translation>
    </message>
    <message>
        <source>Quit check</source>
        <translation>退出检查</translation>
    </message>
    <message>
        <source>Optimization direction(Normal)</source>
        <translation>优化方向(正向)</translation>
    </message>
    <message>
        <source>Optimization direction(Reverse)</source>
        <translation>优化方向(反向)</translation>
    </message>
    <message>
        <source>How the check works</source>
        <translation>检查的方法</translation>
    </message>
    <message>
        <source>1. The swashplate tilts: it is a compass. 2. Turn the helicopter 90° around its main shaft. 3. Tilt keeps its compass direction: sign is right. Tilt turns to the opposite side: reverse “Optimization direction”.</source>
        <translation>1. 十字盘倾斜：它就像一个指南针。2. 把直升机绕主轴转动 90°。3. 倾斜保持原来的方位：符号正确。倾斜转到相反一侧：请反转“优化方向”。</translation>
    </message>
    <message>
        <source>Direction check warning</source>
        <translation>方向检查警告</translation>
    </message>
    <message>
        <source>Warning: if the check is not completed within 40 seconds, the swashplate returns to level. Then click “Quit check” and “Check optimization direction” to enter the check again.</source>
        <translation>警告：如果在 40 秒内未完成检查，十字盘会回到水平位置。然后点击“退出检查”和“检查优化方向”重新进入检查。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
</context>
<context>
    <name>CStep2</name>
    <message>
        <source>Enter the &apos;FUNCTION&apos; menu of your transmitter, define the sequence of the channels as below:</source>
        <translation>进入遥控器的“FUNCTION”菜单，按下表设定通道顺序：</translation>
    </message>
    <message>
        <source>                        Mode 2    Mode 1</source>
        <translation>                        模式 2    模式 1</translation>
    </message>
    <message>
        <source>1  AILERON       J1   T1     J1   T1</source>
        <translation>1  副翼            J1   T1     J1   T1</translation>
    </message>
    <message>
        <source>2  ELEVAROR    J2   T2     J3   T3</source>
        <translation>2  升降            J2   T2     J3   T3</translation>
    </message>
    <message>
        <source>3  THROTTLE    J3   T3     J2   T2</source>
        <translation>3  油门            J3   T3     J2   T2</translation>
    </message>
    <message>
        <source>4  RUDDER        J4   T4     J4   T4</source>
        <translation>4  方向            J4   T4     J4   T4</translation>
    </message>
    <message>
        <source>5  GYRO            --    --      --    --</source>
        <translation>5  陀螺仪         --    --      --    --</translation>
    </message>
    <message>
        <source>6  PITCH           J3   --      J2   --</source>
        <translation>6  螺距            J3   --      J2   --</translation>
    </message>
    <message>
        <source>Plug the short end of the S-Bus adapter cable to your receiver&apos;s
S-Bus port,and plug the long end to the Orvex-S&apos;s RUD port.</source>
        <translation>把 S-Bus 转接线的短端插入接收机的 S-Bus 端口，长端插入 Orvex-S 的 RUD 端口。</translation>
    </message>
    <message>
        <source>DSM2-1：transmitter is DX 7 etc.(can bind by Orvex-S)</source>
        <translation>DSM2-1：遥控器为 DX 7 等（可由 Orvex-S 对频）</translation>
    </message>
    <message>
        <source>DSM2-2：transmitter is DX 8,DSX9 etc.(recommend to bind by 6 or 7 channels receiver)</source>
        <translation>DSM2-2：遥控器为 DX 8、DSX9 等（建议用 6 或 7 通道接收机对频）</translation>
    </message>
    <message>
        <source>DSM2-3：transmitter is DX 8,DSX9 etc.(recommend to bind by 9 channels receiver)</source>
        <translation>DSM2-3：遥控器为 DX 8、DSX9 等（建议用 9 通道接收机对频）</translation>
    </message>
    <message>
        <source>DSM2-4：transmitter with DM 8,DM9 module.(recommend to bind by 6 or 7 channels receiver)</source>
        <translation>DSM2-4：遥控器带 DM 8、DM9 高频头（建议用 6 或 7 通道接收机对频）</translation>
    </message>
    <message>
        <source>DSMJ:      transmitter is DSMJ format.(can bind by Orvex-S)</source>
        <translation>DSMJ：      遥控器为 DSMJ 制式（可由 Orvex-S 对频）</translation>
    </message>
    <message>
        <source>DSMX-1：transmitter is DX 8 etc.(11ms mode, recommend to bind by matched receiver)</source>
        <translation>DSMX-1：遥控器为 DX 8 等（11ms 模式，建议用配套接收机对频）</translation>
    </message>
    <message>
        <source>DSMX-2：transmitter is DX 8 etc.(22ms mode, recommend to bind by matched receiver)</source>
        <translation>DSMX-2：遥控器为 DX 8 等（22ms 模式，建议用配套接收机对频）</translation>
    </message>
    <message>
        <source>Binding method (left figure): plug the dual male connecter
cable to the ‘PIT/ELE/AUX’ port and ‘AIL’ port, plug the
DSM2/DSMJ adapter cable to the &apos;RUD&apos; port, power on
the Orvex-S, it will enter binding mode, now bind as your
transmitter manual. After binding, remove the dual male
After binding, remove the dual male connecter cable from
the &apos;PIT/ELE/AUX&apos; port and &apos;AIL&apos; port.</source>
        <translation>对频方法（左图）：用双公头线连接“PIT/ELE/AUX”端口和“AIL”端口，把 DSM2/DSMJ 转接线插入“RUD”端口，接通 Orvex-S 电源，它会进入对频模式，然后按遥控器说明书对频。对频完成后，从“PIT/ELE/AUX”端口和“AIL”端口拔下双公头线。</translation>
    </message>
    <message>
        <source>Wiring of a conventional receiver</source>
        <translation>普通接收机的接线</translation>
    </message>
    <message>
        <source>Receiver channels 1 AIL, 2 ELE, 3 THR, 4 RUD, 5 GYRO, 6 PIT. Leads: plug each receiver channel into the Orvex input of the same name; the throttle goes straight to the speed controller. Outputs CH1, CH2, CH3 drive the swashplate servos, TAIL the tail servo. The DATA port takes the USB data cable.</source>
        <translation>接收机通道 1 AIL、2 ELE、3 THR、4 RUD、5 GYRO、6 PIT。连线：接收机的每个通道插入 Orvex 同名的输入口；油门通道直接接电调。输出口 CH1、CH2、CH3 驱动十字盘舵机，TAIL 驱动尾舵机。DATA 口接 USB 数据线。</translation>
    </message>
    <message>
        <source>Wiring of an S-Bus receiver</source>
        <translation>S-Bus 接收机的接线</translation>
    </message>
    <message>
        <source>The short end of the S-Bus adapter cable goes to the receiver&apos;s S.BUS port, the long end to the RUD port of the Orvex-S; the receiver&apos;s other ports are unused. Outputs CH1, CH2, CH3 and TAIL drive the servos.</source>
        <translation>S-Bus 转接线的短端接接收机的 S.BUS 端口，长端接 Orvex-S 的 RUD 端口；接收机的其他端口不用。输出口 CH1、CH2、CH3 和 TAIL 驱动舵机。</translation>
    </message>
    <message>
        <source>Wiring of a satellite receiver</source>
        <translation>卫星接收机的接线</translation>
    </message>
    <message>
        <source>Binding: the dual male connector cable joins the AIL and PIT/ELE/AUX ports, the satellite&apos;s DSM2/DSMJ adapter cable goes to the RUD port. Flying: the satellite stays on the RUD port, the AIL and PIT/ELE/AUX ports are left free.</source>
        <translation>对频：双公头线连接 AIL 和 PIT/ELE/AUX 端口，卫星接收机的 DSM2/DSMJ 转接线接 RUD 端口。飞行：卫星接收机留在 RUD 端口，AIL 和 PIT/ELE/AUX 端口空着。</translation>
    </message>
    <message>
        <source>Conventional receiver</source>
        <translation>普通接收机</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>遥控器</translation>
    </message>
</context>
<context>
    <name>CStep3</name>
    <message>
        <source>Aileron</source>
        <translation>副翼</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>升降</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Collective pitch</source>
        <translation>总距</translation>
    </message>
    <message>
        <source>Gain channel</source>
        <translation>感度通道</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>油门</translation>
    </message>
    <message>
        <source>1.Move the sticks, the signals on the screen should change with the sticks separately.</source>
        <translation>1.拨动摇杆，屏幕上的各路信号应分别随摇杆变化。</translation>
    </message>
    <message>
        <source>2.If a signal moves against its stick, reverse that channel with the &quot;Servo reverse&quot; function of the transmitter.</source>
        <translation>2.如果某路信号与摇杆方向相反，请用遥控器的“舵机反向”功能反转该通道。</translation>
    </message>
    <message>
        <source>3.With the sticks centred, bring every signal to 0 with the sub-trim or trim of the transmitter.</source>
        <translation>3.摇杆居中时，用遥控器的中立微调或微调把每路信号调到 0。</translation>
    </message>
    <message>
        <source>4.At full stick throw, bring the signals to 100 with the end point (EPA) setting of the transmitter.</source>
        <translation>4.摇杆打满时，用遥控器的行程端点 (EPA) 设置把信号调到 100。</translation>
    </message>
    <message>
        <source>5.With the gain switch in AVCS position the gain channel must show &quot;AVCS Mode&quot;, in normal position &quot;Normal Mode&quot;.</source>
        <translation>5.感度开关在 AVCS 位置时，感度通道必须显示“AVCS Mode”，在普通位置时显示“Normal Mode”。</translation>
    </message>
    <message>
        <source>   A tail gain of about 36% is recommended to begin with.</source>
        <translation>   建议尾舵感度先从 36% 左右开始。</translation>
    </message>
    <message>
        <source>6.Failsafe: users can set the failsafe values for throttle and collective pitch when using DSM2/DSMJ/DSMX satellite receiver. Hold both sticks in the failsafe position and press &quot;Set failsafe&quot;.</source>
        <translation>6.失控保护：使用 DSM2/DSMJ/DSMX 卫星接收机时，可以设定油门和总距的失控保护值。把两个摇杆保持在失控保护位置，然后按“设置失控保护”。</translation>
    </message>
    <message>
        <source>The default of failsafe is: motor is shut down, collective pitch and other channels are neutral.</source>
        <translation>失控保护的默认值：电机关闭，总距和其他通道回中。</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>推</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>拉</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Tail Gain</source>
        <translation>尾舵感度</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>参数组</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Condition1</source>
        <translation>参数组1</translation>
    </message>
    <message>
        <source>AVCS</source>
        <translation>AVCS</translation>
    </message>
    <message>
        <source>Condition2</source>
        <translation>参数组2</translation>
    </message>
    <message>
        <source>Transmitter sticks, mode 2</source>
        <translation>遥控器摇杆，模式 2 (美国手)</translation>
    </message>
    <message>
        <source>Left stick: throttle and collective pitch up and down, rudder left and right. Right stick: elevator up and down, aileron left and right.</source>
        <translation>左摇杆：上下为油门和总距，左右为方向。右摇杆：上下为升降，左右为副翼。</translation>
    </message>
    <message>
        <source>Set failsafe</source>
        <translation>设置失控保护</translation>
    </message>
    <message>
        <source>%1 signal</source>
        <translation>%1 信号</translation>
    </message>
    <message>
        <source>The Orvex sends no status reports: the values shown are not live.</source>
        <translation>Orvex 没有发送状态报告：显示的数值不是实时的。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>CStep4</name>
    <message>
        <source>1.Installation direction of gyro.</source>
        <translation>1.陀螺仪的安装方向。</translation>
    </message>
    <message>
        <source>2.Click the button as your Quillon mounting, red is selected .</source>
        <translation>2.按你的安装方式点击对应按钮，红色为已选中。</translation>
    </message>
    <message>
        <source>Installation direction 1</source>
        <translation>安装方向 1</translation>
    </message>
    <message>
        <source>Installation direction 2</source>
        <translation>安装方向 2</translation>
    </message>
    <message>
        <source>Installation direction 3</source>
        <translation>安装方向 3</translation>
    </message>
    <message>
        <source>Installation direction 1: flat, label up, connectors to the tail</source>
        <translation>安装方向 1：平放，标签朝上，插头朝向机尾</translation>
    </message>
    <message>
        <source>Installation direction 2: flat, label up, connectors to the nose</source>
        <translation>安装方向 2：平放，标签朝上，插头朝向机头</translation>
    </message>
    <message>
        <source>Installation direction 3: upright on the side of the frame</source>
        <translation>安装方向 3：竖直装在机架侧面</translation>
    </message>
    <message>
        <source>Direction %1</source>
        <translation>方向 %1</translation>
    </message>
</context>
<context>
    <name>CStep6</name>
    <message>
        <source>1.Select the servo type of your helicopter , red is selected</source>
        <translation>1.选择直升机的舵机类型，红色为已选中</translation>
    </message>
    <message>
        <source>2.If your aircraft is a quadrotor, please select 1 or 3 item.</source>
        <translation>2.如果是四旋翼飞行器，请选择第 1 或第 3 项。</translation>
    </message>
    <message>
        <source>All the tail and swashplate servos are 1520us analog</source>
        <translation>尾舵机和十字盘舵机均为 1520us 模拟舵机</translation>
    </message>
    <message>
        <source>Tail servo is 1520us digital, swashplate servos are 1520us analog</source>
        <translation>尾舵机为 1520us 数字，十字盘舵机为 1520us 模拟</translation>
    </message>
    <message>
        <source>Tail servo is 1520us digital, swashplate servos are 1520us digital</source>
        <translation>尾舵机为 1520us 数字，十字盘舵机为 1520us 数字</translation>
    </message>
    <message>
        <source>Tail servo is 760us digital, swashplate servos are 1520us analog</source>
        <translation>尾舵机为 760us 数字，十字盘舵机为 1520us 模拟</translation>
    </message>
    <message>
        <source>Tail servo is 760us digital, swashplate servos are 1520us digital</source>
        <translation>尾舵机为 760us 数字，十字盘舵机为 1520us 数字</translation>
    </message>
    <message>
        <source>Tail servo is 960us digital, swashplate servos are 1520us digital</source>
        <translation>尾舵机为 960us 数字，十字盘舵机为 1520us 数字</translation>
    </message>
    <message>
        <source>Servo type caution</source>
        <translation>舵机类型注意事项</translation>
    </message>
    <message>
        <source>Caution: a digital or narrow-pulse (760us / 960us) setting can burn servos that are not made for it. If unsure, choose the first item (1520us analog) and check the servo makers&apos; data before changing it.</source>
        <translation>注意：数字或窄脉宽 (760us / 960us) 设置可能烧毁不支持它的舵机。如不确定，请选择第一项 (1520us 模拟)，更改前先查阅舵机厂商的资料。</translation>
    </message>
</context>
<context>
    <name>CStep7</name>
    <message>
        <source>Select the swashplate type of your helicopter , red is selected</source>
        <translation>选择直升机的十字盘类型，红色为已选中</translation>
    </message>
    <message>
        <source>Longitudinal axis</source>
        <translation>纵轴</translation>
    </message>
    <message>
        <source>MIX</source>
        <translation>混控</translation>
    </message>
    <message>
        <source>Mechanical mixer</source>
        <translation>机械混控</translation>
    </message>
    <message>
        <source>120CCPM</source>
        <translation>120CCPM</translation>
    </message>
    <message>
        <source>120 degree CCPM</source>
        <translation>120 度 CCPM</translation>
    </message>
    <message>
        <source>135CCPM</source>
        <translation>135CCPM</translation>
    </message>
    <message>
        <source>135 degree CCPM</source>
        <translation>135 度 CCPM</translation>
    </message>
    <message>
        <source>140CCPM</source>
        <translation>140CCPM</translation>
    </message>
    <message>
        <source>140 degree CCPM</source>
        <translation>140 度 CCPM</translation>
    </message>
    <message>
        <source>90CCPM</source>
        <translation>90CCPM</translation>
    </message>
    <message>
        <source>90 degree CCPM</source>
        <translation>90 度 CCPM</translation>
    </message>
    <message>
        <source>Quadrotor and Airplane</source>
        <translation>四旋翼和固定翼</translation>
    </message>
    <message>
        <source>Forward direction of the helicopter</source>
        <translation>直升机的前进方向</translation>
    </message>
</context>
<context>
    <name>CStep8</name>
    <message>
        <source>Swashplate type:Mechanical mixer</source>
        <translation>十字盘类型：机械混控</translation>
    </message>
    <message>
        <source>Seen from above, front up: CH1 aileron servo on the right, CH2 elevator servo on the left, CH3 pitch servo at the rear, the mechanical mixer in the middle.</source>
        <translation>从上面看，机头朝上：CH1 副翼舵机在右侧，CH2 升降舵机在左侧，CH3 螺距舵机在后方，机械混控在中间。</translation>
    </message>
    <message>
        <source>Swashplate type:120 CCPM</source>
        <translation>十字盘类型：120 CCPM</translation>
    </message>
    <message>
        <source>Seen from above, front up: CH1 front right, CH2 front left, CH3 at the rear, 120 degrees apart.</source>
        <translation>从上面看，机头朝上：CH1 在右前，CH2 在左前，CH3 在后方，彼此相隔 120 度。</translation>
    </message>
    <message>
        <source>Swashplate type:135 CCPM</source>
        <translation>十字盘类型：135 CCPM</translation>
    </message>
    <message>
        <source>Seen from above, front up: CH1 front right, CH2 front left, CH3 at the rear, 135 degrees from each.</source>
        <translation>从上面看，机头朝上：CH1 在右前，CH2 在左前，CH3 在后方，与两者各相隔 135 度。</translation>
    </message>
    <message>
        <source>Swashplate type:140 CCPM</source>
        <translation>十字盘类型：140 CCPM</translation>
    </message>
    <message>
        <source>Seen from above, front up: CH1 front right, CH2 front left, CH3 at the rear, 140 degrees from each.</source>
        <translation>从上面看，机头朝上：CH1 在右前，CH2 在左前，CH3 在后方，与两者各相隔 140 度。</translation>
    </message>
    <message>
        <source>Swashplate type:90 CCPM</source>
        <translation>十字盘类型：90 CCPM</translation>
    </message>
    <message>
        <source>Seen from above, front up: CH1 on the right, CH2 on the left, CH3 at the rear, 90 degrees from each.</source>
        <translation>从上面看，机头朝上：CH1 在右侧，CH2 在左侧，CH3 在后方，与两者各相隔 90 度。</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>CH%1(%2)</source>
        <translation>CH%1(%2)</translation>
    </message>
    <message>
        <source>Servo positions</source>
        <translation>舵机位置</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>CStep9</name>
    <message>
        <source>Collective +5</source>
        <translation>总距 +5</translation>
    </message>
    <message>
        <source>Collective +1</source>
        <translation>总距 +1</translation>
    </message>
    <message>
        <source>Collective -1</source>
        <translation>总距 -1</translation>
    </message>
    <message>
        <source>Collective -5</source>
        <translation>总距 -5</translation>
    </message>
    <message>
        <source>Pitch -5</source>
        <translation>俯仰 -5</translation>
    </message>
    <message>
        <source>Pitch -1</source>
        <translation>俯仰 -1</translation>
    </message>
    <message>
        <source>Pitch +1</source>
        <translation>俯仰 +1</translation>
    </message>
    <message>
        <source>Pitch +5</source>
        <translation>俯仰 +5</translation>
    </message>
    <message>
        <source>Roll -5</source>
        <translation>横滚 -5</translation>
    </message>
    <message>
        <source>Roll -1</source>
        <translation>横滚 -1</translation>
    </message>
    <message>
        <source>Roll +1</source>
        <translation>横滚 +1</translation>
    </message>
    <message>
        <source>Roll +5</source>
        <translation>横滚 +5</translation>
    </message>
    <message>
        <source>swash</source>
        <translation>十字盘</translation>
    </message>
    <message>
        <source>Swashplate trim</source>
        <translation>十字盘微调</translation>
    </message>
    <message>
        <source>Collective</source>
        <translation>总距</translation>
    </message>
    <message>
        <source>Collective trim</source>
        <translation>总距微调</translation>
    </message>
    <message>
        <source>Cyclic</source>
        <translation>循环螺距</translation>
    </message>
    <message>
        <source>Cyclic trim</source>
        <translation>循环螺距微调</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 向上</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 向下</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>清零</translation>
    </message>
    <message>
        <source>Clean trims</source>
        <translation>微调清零</translation>
    </message>
</context>
<context>
    <name>CUARTView</name>
    <message>
        <source>Orvex Connected!</source>
        <translation>Orvex 已连接！</translation>
    </message>
    <message>
        <source>Orvex is not answering — the last change may not have reached it</source>
        <translation>Orvex 没有应答——最后一次更改可能未送达</translation>
    </message>
    <message>
        <source>Before connecting to PC software, the Orvex must pass the self-test.
1. Select and install suitable USB adapter driver in &apos;driver&apos; folder.
2. Turn on the transmitter, power on the Orvex and receiver. If the three lamps of Orvex flash synchronously 
    and then become steady red or blue, it shows that Orvex passed the self-test.
3. If the three lamps all light, it shows that Orvex does not receive the receiver’s signals, or the receiver type of Orvex-S is wrong.
4. If the yellow lamp flashes after Initialization, it shows that the receiver type of Orvex-S is wrong, or your transmitter’s 
    configuration is wrong.If the blue lamp flashes, restart Orvex and make sure it is immobile during Initialization.
5. If 3 or 4 occurs, press the ‘SET’ button of Orvex-S to pass the self-test, and connect to PC software to select the receiver type again.</source>
        <translation>连接电脑软件之前，Orvex 必须通过自检。
1. 在“driver”文件夹中选择并安装合适的 USB 适配器驱动。
2. 打开遥控器，给 Orvex 和接收机通电。如果 Orvex 的三个指示灯同步闪烁后变为红色或蓝色常亮，说明 Orvex 已通过自检。
3. 如果三个指示灯全亮，说明 Orvex 没有收到接收机的信号，或 Orvex-S 的接收机类型设置错误。
4. 如果初始化后黄灯闪烁，说明 Orvex-S 的接收机类型设置错误，或遥控器的设置错误。如果蓝灯闪烁，请重新启动 Orvex，并确保初始化期间保持静止。
5. 如果出现第 3 或第 4 种情况，请按 Orvex-S 的“SET”键通过自检，再连接电脑软件重新选择接收机类型。</translation>
    </message>
    <message>
        <source>1.Connect Orvex to PC by Orvex USB adapter, click &apos;Connect&apos;, or select the COM port by hand.
2.Click &apos;Open&apos; to select and open the Firmware.
3.Keep the PC, USB adapter and Orvex connecting. Power off Orvex, press &apos;SET&apos; button of Orvex and power on.
4.The red lamp is flashing, click &apos;Upgrade&apos; to start upgrade, the parameters of Orvex will not change after upgrade.
5.Please make sure the firmware is suitable for your gyro, otherwise the gyro will be damaged. 
6.If the upgrade fails, redo the 3, 4 steps. If the Orvex does not work because of upgrade failure, 
   select the COM port by hand, and operate from the 2 step.</source>
        <translation>1. 用 Orvex USB 适配器将 Orvex 连接到电脑，点击“连接”，或手动选择 COM 端口。
2. 点击“打开”，选择并打开固件。
3. 保持电脑、USB 适配器与 Orvex 的连接。关闭 Orvex 电源，按住 Orvex 的“SET”键再通电。
4. 红灯闪烁时，点击“升级”开始升级，升级后 Orvex 的参数不会改变。
5. 请确认固件适用于您的陀螺仪，否则会损坏陀螺仪。
6. 如果升级失败，请重做第 3、4 步。如果 Orvex 因升级失败而无法工作，请手动选择 COM 端口，从第 2 步开始操作。</translation>
    </message>
    <message>
        <source>Quillon main form</source>
        <translation>Quillon 主界面</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM 端口</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置向导</translation>
    </message>
    <message>
        <source>Advance Menu</source>
        <translation>高级菜单</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>未读取</translation>
    </message>
    <message>
        <source>Firmware version: %1</source>
        <translation>固件版本：%1</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>亮</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>灭</translation>
    </message>
    <message>
        <source>Connection lamp %1: %2</source>
        <translation>连接指示灯 %1：%2</translation>
    </message>
    <message>
        <source>Select Config File</source>
        <translation>选择配置文件</translation>
    </message>
    <message>
        <source>conif file (*.ini)|*.ini||</source>
        <translation>配置文件 (*.ini)|*.ini||</translation>
    </message>
    <message>
        <source>Orvex not connected! Connect first to compare a config file with it.</source>
        <translation>Orvex 未连接！请先连接，再将配置文件与它比较。</translation>
    </message>
    <message>
        <source>Compare config file with Orvex</source>
        <translation>将配置文件与 Orvex 比较</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>config file (*.ini)|*.ini||</source>
        <translation>配置文件 (*.ini)|*.ini||</translation>
    </message>
    <message>
        <source>Orvex not connected! Nothing was transmitted.</source>
        <translation>Orvex 未连接！未发送任何数据。</translation>
    </message>
    <message>
        <source>The config file could not be sent: %1</source>
        <translation>配置文件无法发送：%1</translation>
    </message>
    <message>
        <source>The config file has been Transmitted to Orvex!</source>
        <translation>配置文件已发送到 Orvex！</translation>
    </message>
    <message>
        <source>The config file was sent, but the Orvex did not confirm it: it may not have stored the values.</source>
        <translation>配置文件已发送，但 Orvex 未确认：它可能没有保存这些值。</translation>
    </message>
    <message>
        <source>The link to the Orvex was lost: the config file is not confirmed.</source>
        <translation>与 Orvex 的连接已断开：配置文件未得到确认。</translation>
    </message>
    <message>
        <source>Orvex not connected!</source>
        <translation>Orvex 未连接！</translation>
    </message>
    <message>
        <source>choose a firmware file and press Upgrade</source>
        <translation>请选择固件文件并点击“升级”</translation>
    </message>
</context>
<context>
    <name>ChangeCommands</name>
    <message>
        <source> Nothing was redone.</source>
        <translation>未重做任何更改。</translation>
    </message>
    <message>
        <source> Nothing was undone.</source>
        <translation>未撤销任何更改。</translation>
    </message>
    <message>
        <source>Orvex not connected!</source>
        <translation>Orvex 未连接！</translation>
    </message>
    <message>
        <source>A firmware upgrade is running.</source>
        <translation>固件升级正在进行。</translation>
    </message>
    <message>
        <source>The Orvex is not answering.</source>
        <translation>Orvex 没有应答。</translation>
    </message>
    <message>
        <source>Close the open window first.</source>
        <translation>请先关闭已打开的窗口。</translation>
    </message>
    <message>
        <source>%1 would go back to %2, outside its range %3 to %4. Send %2 to the Orvex?</source>
        <translation>%1 将恢复为 %2，超出其范围 %3 至 %4。仍将 %2 发送给 Orvex 吗？</translation>
    </message>
    <message>
        <source>Undo </source>
        <translation>撤销 </translation>
    </message>
    <message>
        <source>Redo </source>
        <translation>重做 </translation>
    </message>
    <message>
        <source> could not be sent: the Orvex is unchanged.</source>
        <translation> 无法发送：Orvex 未改变。</translation>
    </message>
    <message>
        <source>: confirmed by the Orvex.</source>
        <translation>：Orvex 已确认。</translation>
    </message>
    <message>
        <source>: the Orvex did not confirm it and may still hold the other value.</source>
        <translation>：Orvex 未确认，可能仍保持原来的值。</translation>
    </message>
    <message>
        <source>: sent, waiting for the Orvex.</source>
        <translation>：已发送，等待 Orvex 应答。</translation>
    </message>
    <message>
        <source>The log of changes could not be kept: %1</source>
        <translation>无法保存更改记录：%1</translation>
    </message>
</context>
<context>
    <name>ChangeLog</name>
    <message>
        <source>Firmware upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <source>That change is not in this connect&apos;s log.</source>
        <translation>本次连接的记录中没有这项更改。</translation>
    </message>
    <message>
        <source>%1 cannot be taken back.</source>
        <translation>%1 无法撤销。</translation>
    </message>
    <message>
        <source>%1 is already undone.</source>
        <translation>%1 已经撤销。</translation>
    </message>
    <message>
        <source>An undo or redo is taken back with Redo or Undo.</source>
        <translation>撤销或重做本身要用“重做”或“撤销”来取消。</translation>
    </message>
    <message>
        <source>%1 was changed again later (%2 at %3: %4): undo that change first.</source>
        <translation>%1 之后又被更改过（%2，%3：%4）：请先撤销那次更改。</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>没有可重做的操作。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 个值</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>已确认</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>未确认</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Reset zero (the Orvex measures the new zero point)</source>
        <translation>重设零点（Orvex 测量新的零点）</translation>
    </message>
    <message>
        <source>Failsafe set (the Orvex keeps the receiver&apos;s positions)</source>
        <translation>设置失控保护（Orvex 记下接收机的当前位置）</translation>
    </message>
    <message>
        <source>Quadrotor and Airplane setup</source>
        <translation>四旋翼与固定翼设置</translation>
    </message>
    <message>
        <source>Config file %1</source>
        <translation>配置文件 %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>从备份恢复</translation>
    </message>
    <message>
        <source>Revert to the connect</source>
        <translation>恢复为连接时的状态</translation>
    </message>
    <message>
        <source>Advance Menu</source>
        <translation>高级菜单</translation>
    </message>
    <message>
        <source>Preset %1</source>
        <translation>预设 %1</translation>
    </message>
    <message>
        <source>All data reset</source>
        <translation>全部数据复位</translation>
    </message>
    <message>
        <source>Setup: %1</source>
        <translation>设置向导：%1</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置向导</translation>
    </message>
    <message>
        <source>Main panel</source>
        <translation>主面板</translation>
    </message>
</context>
<context>
    <name>ConfigCompare</name>
    <message>
        <source>Nothing would change: the Orvex already holds every value of this file.</source>
        <translation>不会有任何更改：Orvex 已保存此文件中的所有值。</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>File name is too short!</source>
        <translation>文件名太短！</translation>
    </message>
    <message>
        <source>%1 = %2 (range %3 to %4)</source>
        <translation>%1 = %2（范围 %3 到 %4）</translation>
    </message>
    <message>
        <source>The config file was not taken: these values are outside their range.
%1</source>
        <translation>未采用该配置文件：以下值超出范围。
%1</translation>
    </message>
    <message>
        <source>The file also lacks these keys: %1.</source>
        <translation>该文件还缺少以下键：%1。</translation>
    </message>
    <message>
        <source>The config file lacks these keys; they keep their present values: %1.</source>
        <translation>配置文件缺少以下键，它们保持当前值：%1。</translation>
    </message>
    <message>
        <source>%1 (the file holds %2)</source>
        <translation>%1（文件中为 %2）</translation>
    </message>
    <message>
        <source>The Orvex keeps its own value of %1: none was chosen before the file was saved.</source>
        <translation>Orvex 保留自己的 %1 值：保存文件之前未选择过该值。</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Quillon2.0</source>
        <translation>Quillon2.0</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>无法读取“%1”：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>“%1”不是普通文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty: it holds no firmware.</source>
        <translation>“%1”是空文件：其中没有固件。</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>Bin File|*.bin|</source>
        <translation>Bin 文件|*.bin|</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Firmware Update started</source>
        <translation>固件升级已开始</translation>
    </message>
    <message>
        <source>Firmware Update: %1%</source>
        <translation>固件升级：%1%</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot save %1: it is a folder.</source>
        <translation>无法保存 %1：它是一个文件夹。</translation>
    </message>
    <message>
        <source>Cannot save %1: it is not a regular file.</source>
        <translation>无法保存 %1：它不是普通文件。</translation>
    </message>
    <message>
        <source>Cannot save %1: the file is read-only.</source>
        <translation>无法保存 %1：该文件为只读。</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>could not open the port</source>
        <translation>无法打开端口</translation>
    </message>
    <message>
        <source>could not set the line</source>
        <translation>无法设置串口参数</translation>
    </message>
    <message>
        <source>could not prepare the port</source>
        <translation>无法准备端口</translation>
    </message>
    <message>
        <source>could not start the port&apos;s worker</source>
        <translation>无法启动端口的工作线程</translation>
    </message>
    <message>
        <source>reading failed</source>
        <translation>读取失败</translation>
    </message>
    <message>
        <source>writing failed</source>
        <translation>写入失败</translation>
    </message>
    <message>
        <source>waiting for the port failed</source>
        <translation>等待端口失败</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>permission denied — add your user to the %1 group</source>
        <translation>权限不足——请将您的用户加入 %1 组</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>正被其他程序使用</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>没有错误</translation>
    </message>
    <message>
        <source>the adapter was unplugged</source>
        <translation>适配器已拔出</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>没有该设备</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>不是串口</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (pid %3)</source>
        <translation>%1 正被 %2 使用（pid %3）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>MainReceiver</name>
    <message>
        <source>%1: the Orvex is in its boot loader: %2</source>
        <translation>%1：Orvex 处于引导程序模式：%2</translation>
    </message>
    <message>
        <source>%1: the Orvex did not answer (is it powered and connected?)</source>
        <translation>%1：Orvex 没有应答（是否已通电并连接？）</translation>
    </message>
</context>
<context>
    <name>PageSliders</name>
    <message>
        <source>%1 value</source>
        <translation>%1 数值</translation>
    </message>
</context>
<context>
    <name>ParameterPanel</name>
    <message>
        <source>Agility</source>
        <translation>灵敏度</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>感度</translation>
    </message>
    <message>
        <source>Yaw rate L</source>
        <translation>左自旋速率</translation>
    </message>
    <message>
        <source>Yaw rate R</source>
        <translation>右自旋速率</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>新手</translation>
    </message>
    <message>
        <source>F-3C</source>
        <translation>F-3C</translation>
    </message>
    <message>
        <source>Soft 3D</source>
        <translation>柔和 3D</translation>
    </message>
    <message>
        <source>3D Hardcore</source>
        <translation>3D 硬核</translation>
    </message>
    <message>
        <source>3D Extreme</source>
        <translation>3D 极限</translation>
    </message>
    <message>
        <source>Main rotor</source>
        <translation>主旋翼</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>横滚</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>俯仰</translation>
    </message>
    <message>
        <source>Tail rotor</source>
        <translation>尾旋翼</translation>
    </message>
    <message>
        <source>Preset parameters</source>
        <translation>预设参数</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Reset main rotor</source>
        <translation>复位主旋翼</translation>
    </message>
    <message>
        <source>Reset tail rotor</source>
        <translation>复位尾旋翼</translation>
    </message>
    <message>
        <source>All data reset</source>
        <translation>全部数据复位</translation>
    </message>
</context>
<context>
    <name>ParameterTable</name>
    <message>
        <source>CH1 servo trim</source>
        <translation>CH1 舵机微调</translation>
    </message>
    <message>
        <source>CH2 servo trim</source>
        <translation>CH2 舵机微调</translation>
    </message>
    <message>
        <source>CH3 servo trim</source>
        <translation>CH3 舵机微调</translation>
    </message>
    <message>
        <source>Tail servo trim (CH4)</source>
        <translation>尾舵机微调 (CH4)</translation>
    </message>
    <message>
        <source>CH1 servo direction</source>
        <translation>CH1 舵机方向</translation>
    </message>
    <message>
        <source>CH2 servo direction</source>
        <translation>CH2 舵机方向</translation>
    </message>
    <message>
        <source>CH3 servo direction</source>
        <translation>CH3 舵机方向</translation>
    </message>
    <message>
        <source>Tail servo direction (CH4)</source>
        <translation>尾舵机方向 (CH4)</translation>
    </message>
    <message>
        <source>Tail limit A</source>
        <translation>尾舵限位 A</translation>
    </message>
    <message>
        <source>Tail limit B</source>
        <translation>尾舵限位 B</translation>
    </message>
    <message>
        <source>Aileron travel</source>
        <translation>副翼行程</translation>
    </message>
    <message>
        <source>Elevator travel</source>
        <translation>升降行程</translation>
    </message>
    <message>
        <source>Yaw gyro direction</source>
        <translation>航向陀螺仪方向</translation>
    </message>
    <message>
        <source>Roll gyro direction</source>
        <translation>横滚陀螺仪方向</translation>
    </message>
    <message>
        <source>Pitch gyro direction</source>
        <translation>俯仰陀螺仪方向</translation>
    </message>
    <message>
        <source>Servo type</source>
        <translation>舵机类型</translation>
    </message>
    <message>
        <source>Receiver type</source>
        <translation>接收机类型</translation>
    </message>
    <message>
        <source>Governor mode</source>
        <translation>定速模式</translation>
    </message>
    <message>
        <source>Swashplate type</source>
        <translation>十字盘类型</translation>
    </message>
    <message>
        <source>AUX channel function</source>
        <translation>AUX 通道功能</translation>
    </message>
    <message>
        <source>Installation direction</source>
        <translation>安装方向</translation>
    </message>
    <message>
        <source>Optimization direction</source>
        <translation>优化方向</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>参数组</translation>
    </message>
    <message>
        <source>Tail gain</source>
        <translation>尾舵感度</translation>
    </message>
    <message>
        <source>Yaw P gain</source>
        <translation>航向 P 感度</translation>
    </message>
    <message>
        <source>Yaw I gain</source>
        <translation>航向 I 感度</translation>
    </message>
    <message>
        <source>Yaw D gain</source>
        <translation>航向 D 感度</translation>
    </message>
    <message>
        <source>Roll gain</source>
        <translation>横滚感度</translation>
    </message>
    <message>
        <source>Roll P gain</source>
        <translation>横滚 P 感度</translation>
    </message>
    <message>
        <source>Roll I gain</source>
        <translation>横滚 I 感度</translation>
    </message>
    <message>
        <source>Roll D gain</source>
        <translation>横滚 D 感度</translation>
    </message>
    <message>
        <source>Pitch gain</source>
        <translation>俯仰感度</translation>
    </message>
    <message>
        <source>Pitch P gain</source>
        <translation>俯仰 P 感度</translation>
    </message>
    <message>
        <source>Pitch I gain</source>
        <translation>俯仰 I 感度</translation>
    </message>
    <message>
        <source>Pitch D gain</source>
        <translation>俯仰 D 感度</translation>
    </message>
    <message>
        <source>Tail rotor acceleration L</source>
        <translation>尾旋翼左加速</translation>
    </message>
    <message>
        <source>Tail rotor acceleration R</source>
        <translation>尾旋翼右加速</translation>
    </message>
    <message>
        <source>Tail rotor deceleration R</source>
        <translation>尾旋翼右减速</translation>
    </message>
    <message>
        <source>Tail rotor deceleration L</source>
        <translation>尾旋翼左减速</translation>
    </message>
    <message>
        <source>Main rotor acceleration</source>
        <translation>主旋翼加速</translation>
    </message>
    <message>
        <source>Main rotor deceleration</source>
        <translation>主旋翼减速</translation>
    </message>
    <message>
        <source>Governor P gain</source>
        <translation>定速 P 感度</translation>
    </message>
    <message>
        <source>Governor I gain</source>
        <translation>定速 I 感度</translation>
    </message>
    <message>
        <source>Governor D gain</source>
        <translation>定速 D 感度</translation>
    </message>
    <message>
        <source>Tail rotor RC dead band</source>
        <translation>尾旋翼遥控死区</translation>
    </message>
    <message>
        <source>Tail rotor gyro dead band</source>
        <translation>尾旋翼陀螺仪死区</translation>
    </message>
    <message>
        <source>Main rotor RC dead band</source>
        <translation>主旋翼遥控死区</translation>
    </message>
    <message>
        <source>Main rotor gyro dead band</source>
        <translation>主旋翼陀螺仪死区</translation>
    </message>
    <message>
        <source>Yaw rate L</source>
        <translation>左自旋速率</translation>
    </message>
    <message>
        <source>Yaw rate R</source>
        <translation>右自旋速率</translation>
    </message>
    <message>
        <source>Pitch agility</source>
        <translation>俯仰灵敏度</translation>
    </message>
    <message>
        <source>Roll agility</source>
        <translation>横滚灵敏度</translation>
    </message>
    <message>
        <source>Burst Coefficient</source>
        <translation>爆发系数</translation>
    </message>
    <message>
        <source>Collective pitch</source>
        <translation>总距</translation>
    </message>
    <message>
        <source>Zero pitch</source>
        <translation>零螺距</translation>
    </message>
    <message>
        <source>Collective to tail</source>
        <translation>总距补偿尾舵</translation>
    </message>
    <message>
        <source>Cyclic to tail</source>
        <translation>循环螺距补偿尾舵</translation>
    </message>
    <message>
        <source>Governor collective compensate</source>
        <translation>定速总距补偿</translation>
    </message>
    <message>
        <source>Governor cyclic compensate</source>
        <translation>定速循环螺距补偿</translation>
    </message>
    <message>
        <source>Governor total gain</source>
        <translation>定速总感度</translation>
    </message>
    <message>
        <source>Beginner Mode!</source>
        <translation>新手模式！</translation>
    </message>
    <message>
        <source>F-3C Mode!</source>
        <translation>F-3C 模式！</translation>
    </message>
    <message>
        <source>Soft 3D Mode!</source>
        <translation>柔和 3D 模式！</translation>
    </message>
    <message>
        <source>3D Hardcore Mode!</source>
        <translation>3D 硬核模式！</translation>
    </message>
    <message>
        <source>3D Extreme Mode!</source>
        <translation>3D 极限模式！</translation>
    </message>
    <message>
        <source>Conventional receiver</source>
        <translation>普通接收机</translation>
    </message>
    <message>
        <source>Increase this value can enhance governor performance, 
if the rotor speed is shaking in high frequence, 
reduce this value</source>
        <translation>增大此值可提高定速性能；如果旋翼转速出现高频抖动，请减小此值。</translation>
    </message>
    <message>
        <source>Switch yaw gain: switch the tail 
rotor gain by transmitter&apos;s AUX channel, 
it is the same as a common heading 
hold gyro. Switch condition: switch the 
two parameter groups (Condition1 and Condition2) 
of Orvex by transmitter&apos;s AUX channel, 
the Orvex is working in heading hold mode.</source>
        <translation>切换尾舵感度：用遥控器的 AUX 通道切换尾旋翼感度，与普通锁尾陀螺仪相同。切换参数组：用遥控器的 AUX 通道切换 Orvex 的两个参数组（参数组1 和参数组2），此时 Orvex 工作在锁尾模式。</translation>
    </message>
    <message>
        <source>When the AUX channel is selected as 
&apos;Switch yaw gain&apos;, you can switch 
the two parameter groups (Condition1 and 
Condition2) by hand, the two 
parameter groups only affect the 
performance of Orvex, the setup 
parameters are not included.</source>
        <translation>AUX 通道选为“切换尾舵感度”时，可以手动切换两个参数组（参数组1 和参数组2）。两个参数组只影响 Orvex 的飞行性能，不包括设置参数。</translation>
    </message>
    <message>
        <source>This is the tail rotor total gain, make it as large as possible. 
If the helicopter tail is hunting in flight, reduce this value</source>
        <translation>这是尾旋翼总感度，尽可能调大。如果飞行中直升机尾部来回摆动，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to the 
yaw rate gain, make it as 
large as possible. If 
the helicopter tail is hunting 
in flight, reduce this value 
or the tail rotor total gain.</source>
        <translation>相当于航向角速度感度，尽可能调大。如果飞行中直升机尾部来回摆动，请减小此值或尾旋翼总感度。</translation>
    </message>
    <message>
        <source>It is equivalent to the 
heading hold gain, increase 
this value can enhance 
the heading hold performance. 
If the helicopter tail is 
wagging or bouncing in 
flight, reduce this value.</source>
        <translation>相当于锁尾感度，增大此值可提高锁尾性能。如果飞行中直升机尾部摇摆或弹跳，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to the 
brake gain, increase this value 
can enhance the brake 
performance. If the helicopter 
tail is shaking when stop 
pirouette in flight, 
reduce this value.</source>
        <translation>相当于刹车感度，增大此值可提高刹车性能。如果飞行中停止自旋时直升机尾部抖动，请减小此值。</translation>
    </message>
    <message>
        <source>This is the roll 
total gain, make it 
as large as possible. 
If the helicopter is 
shaking in the roll 
direction, reduce this value</source>
        <translation>这是横滚总感度，尽可能调大。如果直升机在横滚方向抖动，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the roll rate gain, 
make it as large 
as possible. If the 
helicopter is shaking in 
the roll direction, reduce 
this value or the 
roll total gain.</source>
        <translation>相当于横滚角速度感度，尽可能调大。如果直升机在横滚方向抖动，请减小此值或横滚总感度。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the roll angle hold 
gain, increase this value 
can enhance the roll 
angle hold performance. If 
the helicopter is wagging 
or bouncing in the roll 
direction, reduce this value.</source>
        <translation>相当于横滚角度保持感度，增大此值可提高横滚角度保持性能。如果直升机在横滚方向摇摆或弹跳，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the brake gain, increase 
this value can enhance 
the brake performance of 
roll. If the helicopter 
is shaking when stop 
rolling in flight, 
reduce this value.</source>
        <translation>相当于刹车感度，增大此值可提高横滚的刹车性能。如果飞行中停止横滚时直升机抖动，请减小此值。</translation>
    </message>
    <message>
        <source>This is the pitch 
total gain, make it 
as large as possible. 
If the helicopter is 
shaking in the pitch 
direction, reduce this value</source>
        <translation>这是俯仰总感度，尽可能调大。如果直升机在俯仰方向抖动，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the pitch rate gain, 
make it as large as possible. 
If the helicopter is shaking 
in the pitch direction, 
reduce this value 
or the pitch total gain.</source>
        <translation>相当于俯仰角速度感度，尽可能调大。如果直升机在俯仰方向抖动，请减小此值或俯仰总感度。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the pitch angle hold 
gain, increase this value can 
enhance the pitch angle hold 
performance. If the 
helicopter is wagging 
or bouncing in the pitch direction, 
reduce this value.</source>
        <translation>相当于俯仰角度保持感度，增大此值可提高俯仰角度保持性能。如果直升机在俯仰方向摇摆或弹跳，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the brake gain, increase 
this value can enhance the 
brake performance of pitch. 
If the helicopter is 
shaking when stop pitching 
in flight, reduce this value.</source>
        <translation>相当于刹车感度，增大此值可提高俯仰的刹车性能。如果飞行中停止俯仰时直升机抖动，请减小此值。</translation>
    </message>
    <message>
        <source>Increase this value can 
increase the acceleration 
of left pirouette.</source>
        <translation>增大此值可提高向左自旋的加速度。</translation>
    </message>
    <message>
        <source>Increase this value can 
increase the acceleration 
of right pirouette</source>
        <translation>增大此值可提高向右自旋的加速度。</translation>
    </message>
    <message>
        <source>Increase this value can 
increase the deceleration 
of right pirouette</source>
        <translation>增大此值可提高向右自旋的减速度。</translation>
    </message>
    <message>
        <source>Increase this value can 
increase the deceleration 
of left pirouette</source>
        <translation>增大此值可提高向左自旋的减速度。</translation>
    </message>
    <message>
        <source>Increase this value can increase 
the acceleration of roll and pitch.</source>
        <translation>增大此值可提高横滚和俯仰的加速度。</translation>
    </message>
    <message>
        <source>Increase this value can increase 
the deceleration of roll and pitch.</source>
        <translation>增大此值可提高横滚和俯仰的减速度。</translation>
    </message>
    <message>
        <source>Increase this value can enhance governor performance, 
if the rotor speed is wagging in low frequence, 
reduce this value</source>
        <translation>增大此值可提高定速性能；如果旋翼转速出现低频摆动，请减小此值。</translation>
    </message>
    <message>
        <source>Defines a range around 
the rudder stick neutral position 
where the rudder stick 
input will be ignored. </source>
        <translation>设定方向摇杆中立位置附近的一个范围，在此范围内的方向摇杆输入将被忽略。</translation>
    </message>
    <message>
        <source>If the helicopter vibration is 
low, set a small value</source>
        <translation>如果直升机振动较小，请设为较小的值。</translation>
    </message>
    <message>
        <source>Defines a range around the 
aileron and elevator sticks 
neutral position where the 
aileron and elevator sticks 
input will be ignored.</source>
        <translation>设定副翼和升降摇杆中立位置附近的一个范围，在此范围内的副翼和升降摇杆输入将被忽略。</translation>
    </message>
    <message>
        <source>If the helicopter vibration 
is low, set a small value</source>
        <translation>如果直升机振动较小，请设为较小的值。</translation>
    </message>
    <message>
        <source>This value limits 
the maximum pitch 
rate of helicopter, 
the larger the faster.</source>
        <translation>此值限制直升机的最大俯仰速率，越大越快。</translation>
    </message>
    <message>
        <source>This value limits 
the maximum roll 
rate of helicopter, 
the larger the faster.</source>
        <translation>此值限制直升机的最大横滚速率，越大越快。</translation>
    </message>
    <message>
        <source>Increase this value can enhance response speed of stick, 
if the main rotor is shaking when move the aileron 
and elevator sticks, reduce this value</source>
        <translation>增大此值可提高摇杆的响应速度；如果推动副翼和升降摇杆时主旋翼抖动，请减小此值。</translation>
    </message>
    <message>
        <source>Static torque compensation for 
collective pitch. It can enhance 
the heading hold performance 
when change the collective pitch 
quickly. Larger value can enhance 
the compensation. Change the sign 
of the value can change 
the compensation direction.</source>
        <translation>总距的静态扭矩补偿。可提高快速改变总距时的锁尾性能。值越大补偿越强，改变数值的正负号可改变补偿方向。</translation>
    </message>
    <message>
        <source>Static torque compensation for 
cyclic pitch. It can enhance the 
heading hold performance when 
move the aileron and elevator sticks 
quickly. Larger value can 
enhance the compensation. Change the sign 
of the value can change 
the compensation direction.</source>
        <translation>循环螺距的静态扭矩补偿。可提高快速推动副翼和升降摇杆时的锁尾性能。值越大补偿越强，改变数值的正负号可改变补偿方向。</translation>
    </message>
    <message>
        <source>Increase this value can enhance governor performance 
when change the collective pitch quickly</source>
        <translation>增大此值可提高快速改变总距时的定速性能。</translation>
    </message>
    <message>
        <source>Increase this value can enhance governor performance 
when move the aileron and elevator sticks quickly</source>
        <translation>增大此值可提高快速推动副翼和升降摇杆时的定速性能。</translation>
    </message>
    <message>
        <source>the program never writes this byte; the Orvex keeps its own value</source>
        <translation>本程序从不写入此字节；Orvex 保留自己的值</translation>
    </message>
    <message>
        <source>the condition can only be set to 1 or 2</source>
        <translation>参数组只能设为 1 或 2</translation>
    </message>
    <message>
        <source>the zero point is measured by the Orvex itself; only &quot;Reset zero&quot; changes it</source>
        <translation>零点由 Orvex 自己测量；只有“重设零点”能改变它</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>configuration file</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>无法保存 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot create a file in the folder %1: %2.</source>
        <translation>无法在文件夹 %1 中创建文件：%2。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>无法写入 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a %2.</source>
        <translation>%1 是文件夹，不是%2。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 不是普通文件。</translation>
    </message>
    <message>
        <source>%1 is not a %2: it is larger than %3 KiB.</source>
        <translation>%1 不是%2：它大于 %3 KiB。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is not a %2: it is not a text file.</source>
        <translation>%1 不是%2：它不是文本文件。</translation>
    </message>
    <message>
        <source>backup file</source>
        <translation>备份文件</translation>
    </message>
</context>
<context>
    <name>UnitBackup</name>
    <message>
        <source>This is not a complete Orvex backup: %1</source>
        <translation>这不是完整的 Orvex 备份：%1</translation>
    </message>
    <message>
        <source>This</source>
        <translation>此文件</translation>
    </message>
    <message>
        <source>%1 is not a backup file: it does not begin with &quot;%2&quot;.</source>
        <translation>%1 不是备份文件：它不是以“%2”开头。</translation>
    </message>
    <message>
        <source>it ends before its checksum line (cut short?).</source>
        <translation>它在校验和行之前就结束了（文件被截断？）。</translation>
    </message>
    <message>
        <source>its checksum does not match its content (the file was changed or damaged).</source>
        <translation>它的校验和与内容不符（文件被修改或已损坏）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not &quot;name = value&quot; (line %2)</source>
        <translation>“%1”不是“名称 = 值”的格式（第 %2 行）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; appears twice (line %2)</source>
        <translation>“%1”出现了两次（第 %2 行）</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is unknown (line %2)</source>
        <translation>名称“%1”未知（第 %2 行）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid value of %2 (line %3)</source>
        <translation>“%1”不是 %2 的有效值（第 %3 行）</translation>
    </message>
    <message>
        <source>it has no &quot;format = 1&quot; line.</source>
        <translation>其中没有“format = 1”这一行。</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>缺少 %1。</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1：%2 → %3</translation>
    </message>
    <message>
        <source>%1: unit value %2 kept (backup %3): %4</source>
        <translation>%1：保留设备的值 %2（备份为 %3）：%4</translation>
    </message>
</context>
<context>
    <name>UnitBackupCommands</name>
    <message>
        <source>Back up Orvex</source>
        <translation>备份 Orvex</translation>
    </message>
    <message>
        <source>Restore Orvex from backup</source>
        <translation>从备份恢复 Orvex</translation>
    </message>
    <message>
        <source>Orvex backup (*.orvex)|*.orvex|All files (*)|*||</source>
        <translation>Orvex 备份 (*.orvex)|*.orvex|所有文件 (*)|*||</translation>
    </message>
    <message>
        <source>The Orvex already holds every restorable value of the backup.</source>
        <translation>Orvex 已保存备份中所有可恢复的值。</translation>
    </message>
    <message>
        <source>The Orvex has been restored: every restorable byte reads back as in the backup.</source>
        <translation>Orvex 已恢复：所有可恢复的字节回读结果与备份一致。</translation>
    </message>
    <message>
        <source>The restore did not take; these bytes read back differently (read back → backup):</source>
        <translation>恢复未生效；以下字节回读结果不同（回读值 → 备份值）：</translation>
    </message>
    <message>
        <source>Revert to the Orvex as connected</source>
        <translation>恢复到连接时的 Orvex 设置</translation>
    </message>
    <message>
        <source>The Orvex already holds every value it held when it connected.</source>
        <translation>Orvex 已保存连接时的所有值。</translation>
    </message>
    <message>
        <source>The Orvex has been reverted: every restorable byte reads back as it was when it connected.</source>
        <translation>Orvex 已还原：所有可恢复的字节回读结果与连接时一致。</translation>
    </message>
    <message>
        <source>The revert did not take; these bytes read back differently (read back → at the connect):</source>
        <translation>还原未生效；以下字节回读结果不同（回读值 → 连接时的值）：</translation>
    </message>
    <message>
        <source>This connect is not kept in the history: %1</source>
        <translation>本次连接未保存到历史记录：%1</translation>
    </message>
    <message>
        <source>The link to the Orvex was lost</source>
        <translation>与 Orvex 的连接已断开</translation>
    </message>
    <message>
        <source>The Orvex did not answer</source>
        <translation>Orvex 没有应答</translation>
    </message>
    <message>
        <source>; no backup was written.</source>
        <translation>；未写入备份。</translation>
    </message>
    <message>
        <source>; nothing was sent, the Orvex is unchanged.</source>
        <translation>；未发送任何数据，Orvex 未改变。</translation>
    </message>
    <message>
        <source> after the backup was sent: the Orvex did not confirm it and may hold part of it. The restore is not verified.</source>
        <translation>（备份已发送）：Orvex 未确认，可能只保存了其中一部分。恢复未经校验。</translation>
    </message>
    <message>
        <source> after it confirmed the restore: it could not be read back. The restore is not verified.</source>
        <translation>（Orvex 已确认恢复）：但无法回读。恢复未经校验。</translation>
    </message>
    <message>
        <source>The Orvex has been backed up to %1</source>
        <translation>Orvex 已备份到 %1</translation>
    </message>
    <message>
        <source>Orvex not connected! Nothing was reverted.</source>
        <translation>Orvex 未连接！未还原任何设置。</translation>
    </message>
    <message>
        <source>Restore the Orvex from the backup of %1 (firmware %2)?

</source>
        <translation>要从 %1 的备份（固件 %2）恢复 Orvex 吗？

</translation>
    </message>
    <message>
        <source>Revert the Orvex to the values it held when it connected?

</source>
        <translation>要将 Orvex 还原为连接时的值吗？

</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>备份值</translation>
    </message>
    <message>
        <source>at the connect</source>
        <translation>连接时的值</translation>
    </message>
    <message>
        <source>Changes (Orvex → %1):
</source>
        <translation>更改（Orvex → %1）：
</translation>
    </message>
    <message>
        <source>
Kept:
</source>
        <translation>
保持不变：
</translation>
    </message>
</context>
<context>
    <name>UnitHistory</name>
    <message>
        <source>Cannot keep the unit&apos;s history in %1: %2.</source>
        <translation>无法在 %1 中保存设备历史：%2。</translation>
    </message>
</context>
<context>
    <name>ValueSlider</name>
    <message>
        <source> value</source>
        <translation> 数值</translation>
    </message>
</context>
<context>
    <name>WizardTabBar</name>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
</context>
<context>
    <name>XmodemSender</name>
    <message>
        <source>Please open firmware file!</source>
        <translation>请打开固件文件！</translation>
    </message>
    <message>
        <source>The firmware file is larger than 1 MiB and cannot be an Orvex firmware! Please open the right firmware file!</source>
        <translation>固件文件大于 1 MiB，不可能是 Orvex 固件！请打开正确的固件文件！</translation>
    </message>
    <message>
        <source>Update timeout! Please try again!</source>
        <translation>升级超时！请重试！</translation>
    </message>
    <message>
        <source>Hand shake failed! Please try again!</source>
        <translation>握手失败！请重试！</translation>
    </message>
    <message>
        <source>Receive error! Please try again!</source>
        <translation>接收错误！请重试！</translation>
    </message>
    <message>
        <source>Update cancel!</source>
        <translation>升级已取消！</translation>
    </message>
    <message>
        <source>Firmware update complete!</source>
        <translation>固件升级完成！</translation>
    </message>
    <message>
        <source>Update failed: the Orvex adapter was unplugged!</source>
        <translation>升级失败：Orvex 适配器已拔出！</translation>
    </message>
    <message>
        <source>Firmware Update: transfered packets:%1/total packets:%2</source>
        <translation>固件升级：已传输数据包：%1/总数据包：%2</translation>
    </message>
</context>
</TS>
